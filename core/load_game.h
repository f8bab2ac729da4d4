#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "article/phrase_source.h"
#include "boxscore/game_record.h"
#include "core/name_style.h"
#include "system/env.h"

// Loading a game: one boxscore read whole and its article written, as every front end shows it.
namespace quillbat {

// What the scoreboard shows after a boxscore is read, every number as decimal text.
struct ScoreboardValues {
    PerTeam<std::string> teamName;
    PerTeam<std::string> runs;
    PerTeam<std::string> hits;
    PerTeam<std::string> errors;
    std::string innings;  // the innings of an extra-inning game, otherwise a single blank
    std::string ballparkName;
    std::string gameDate;
    // The team with more runs, whose labels stand out; nothing on a tie.
    std::optional<Team> leadingTeam;
    bool operator==(const ScoreboardValues&) const = default;
};

// The scoreboard values of a game.
ScoreboardValues scoreboardValues(const GameRecord& record);

// How a load writes the article.
struct ArticleOptions {
    NameStyle names = NameStyle::kBoxscore;  // how the players' names are written
    bool story = false;                      // read the play-by-play and tell how the game was won
};

// A boxscore that was read, with its article.
struct LoadedGame {
    GameRecord record;
    ScoreboardValues scoreboard;
    std::string headline;  // what the forum formats print above the line score
    std::string article;   // the bytes the paragraph writers appended, in order
};

// What a load gives a window to show.
struct GameLoad {
    // Nothing when the boxscore was refused: the window stays as it was.
    std::optional<LoadedGame> game;
    // Every paragraph was written. Otherwise a phrase file could not be used, and the article
    // holds what was written before it; it then goes neither on the clipboard nor does the
    // boxscore's folder become the remembered one.
    bool complete = false;
    // One line for the user when something went wrong (the file and the reason), else empty.
    std::string message;
};

// Reads the boxscore at boxscorePath (UTF-8) through env whole, batting rows and stars included
// (and, with the story, its play-by-play), then writes its headline and article with the phrase
// files of phrases and the random source seeded with seed, the players' names in the style the
// options name (the record given back holds them so too). Reading comes first, so a refused
// boxscore gives no game at all. A game with a story gets its sentence in the article and its
// headline from story.dat (see writeArticle, writeStoryHeadline), both drawn from a random
// source of their own (SplitMixRandom started at seed), the sentence first; a story.dat without the
// category's headline leaves the plain headline.
GameLoad loadGame(Env& env, const std::string& boxscorePath, PhraseSource& phrases,
                  std::uint32_t seed, const ArticleOptions& options = {});

// The folder that holds a boxscore, which the Open dialog remembers (UTF-8).
std::string boxscoreFolder(const std::string& boxscorePath);

}  // namespace quillbat
