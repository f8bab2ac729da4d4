#pragma once

#include <string>
#include <string_view>

#include "article/append_phrase.h"
#include "article/article_context.h"
#include "boxscore/game_record.h"

// How the game was won, told from its story: one sentence after the score sentence and the
// headline of the forum formats, both drawn from story.dat.
namespace quillbat {

inline constexpr std::string_view kStoryPhraseFile = "story.dat";

// The decisive play as a paper names it. A play with a batter is led by the batter's name as
// the record writes it, made possessive ("Tice's", "Flowers'": a name ending in a small "s"
// takes the apostrophe alone): "Tice's two-run homer", "Flowers' grand slam", "Moss's RBI
// single", "Hill's sacrifice fly", "Reddick's bases-loaded walk", "Kent's RBI groundout". One
// without ("a wild pitch", "a balk", "a passed ball", "an error", "a steal of home", or a play
// whose text names no batter) takes "a" or "an". Hits count their runs ("RBI" for one, then
// "two-run" ...; a home run is "solo" or a "grand slam"); an out is named by the kind of out
// its text tells (groundout, forceout, double-play grounder, squeeze bunt, ...).
std::string decidingPlay(const GameStory& story);

// The values of story.dat's tokens for the story of the game record holds: the teams and the
// final score, the decisive play (decidingPlay, and capitalized), its inning and half, the outs
// before it, the score after it (the winner's runs first, "4-3"), the deficit, and the winner's
// biggest inning and its runs. Counts are words up to ten, innings words up to the ninth.
PhraseTokens storyTokens(const GameRecord& record, const GameStory& story);

// Appends the story's sentence, drawn from the category of the story (storyCategoryName) with
// storyTokens. Draws exactly once, as appendPhrase, and throws as it does.
void writeStorySentence(const GameRecord& record, const GameStory& story, ArticleContext& context);

// Appends the words of the story's headline, drawn from "headline_" and the category; nothing
// when the file holds no such template. Draws exactly once and throws as appendPhrase.
void writeStoryHeadline(const GameRecord& record, const GameStory& story, ArticleContext& context);

}  // namespace quillbat
