#include "core/load_game.h"

#include "article/article_sink.h"
#include "article/random_source.h"
#include "article/story_sentence.h"
#include "article/write_article.h"
#include "boxscore/input_error.h"
#include "core/boxscore_file.h"
#include "core/game_headline.h"
#include "system/file_system.h"

namespace quillbat {

ScoreboardValues scoreboardValues(const GameRecord& record) {
    ScoreboardValues values;
    for (Team team : kTeams) {
        values.teamName[team] = record.teamName[team];
        values.runs[team] = std::to_string(record.runs[team]);
        values.hits[team] = std::to_string(record.hits[team]);
        values.errors[team] = std::to_string(record.errors[team]);
    }
    values.innings = record.innings > 9 ? std::to_string(record.innings) : " ";
    values.ballparkName = record.ballparkName;
    values.gameDate = record.gameDate;
    if (record.runs[kVisitors] != record.runs[kHome]) {
        values.leadingTeam = record.winTeam();
    }
    return values;
}

GameLoad loadGame(Env& env, const std::string& boxscorePath, PhraseSource& phrases,
                  std::uint32_t seed, const ArticleOptions& options) {
    GameLoad load;
    try {
        GameRecord record =
            readBoxscoreFile(env, boxscorePath,
                             options.story ? StoryReading::kRead : StoryReading::kSkip)
                .record;
        if (options.names == NameStyle::kNewspaper) {
            useNewspaperNames(record);
        }
        ScoreboardValues scoreboard = scoreboardValues(record);
        std::string headline = gameHeadline(record);
        load.game = LoadedGame{std::move(record), std::move(scoreboard), std::move(headline), {}};
    } catch (const InputError& error) {
        load.message = error.what();
        return load;
    }

    MersenneRandom random(seed);
    SplitMixRandom storyRandom(seed);
    StringArticle article;
    ArticleContext context{phrases, random, article};
    try {
        const GameRecord& record = load.game->record;
        writeArticle(record, context, storyRandom);
        if (record.story) {
            StringArticle words;
            ArticleContext story{phrases, storyRandom, words};
            writeStoryHeadline(record, *record.story, story);
            if (!words.text().empty()) {
                load.game->headline = gameHeadline(record, words.text());
            }
        }
        load.complete = true;
    } catch (const InputError& error) {
        load.message = error.what();
    }
    load.game->article = article.text();
    return load;
}

std::string boxscoreFolder(const std::string& boxscorePath) {
    return pathToUtf8(pathFromUtf8(boxscorePath).parent_path());
}

}  // namespace quillbat
