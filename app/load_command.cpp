#include "app/load_command.h"

#include <filesystem>

#include "app/boxscore_file.h"
#include "app/boxscore_filter.h"
#include "app/file_system.h"
#include "article/random_source.h"
#include "article/write_article.h"
#include "boxscore/input_error.h"

namespace quillbat {

ScoreboardValues scoreboardValues(const GameRecord& record) {
    ScoreboardValues values;
    for (int team : {kVisitors, kHome}) {
        values.teamName[team] = record.teamName[team];
        values.runs[team] = std::to_string(record.runs[team]);
        values.hits[team] = std::to_string(record.hits[team]);
        values.errors[team] = std::to_string(record.errors[team]);
    }
    values.innings = record.innings > 9 ? std::to_string(record.innings) : " ";
    values.ballparkName = record.ballparkName;
    values.gameDate = record.gameDate;
    if (record.runs[kVisitors] > record.runs[kHome]) {
        values.colours = ScoreboardValues::Colours{kYellow, kWhite};
    } else if (record.runs[kHome] > record.runs[kVisitors]) {
        values.colours = ScoreboardValues::Colours{kWhite, kYellow};
    }
    return values;
}

LoadOutcome runLoadCommand(LoadSeams& seams, std::optional<std::uint32_t> seed) {
    seams.article.clear();
    MersenneRandom random(seed ? *seed : clockSeed());

    LoadOutcome outcome;
    outcome.boxscorePath = seams.chooser.chooseBoxscore(
        boxscoreFilter(seams.settings.defaultTeam()), seams.settings.folder());
    if (outcome.boxscorePath.empty()) {
        outcome.status = LoadOutcome::Status::Cancelled;
        return outcome;
    }

    // The whole boxscore, batting rows and stars included, is read before anything is shown,
    // so a refused file leaves the window as it was.
    GameRecord record;
    try {
        record = readBoxscoreFile(outcome.boxscorePath);
    } catch (const InputError& error) {
        outcome.status = LoadOutcome::Status::Failed;
        outcome.message = error.what();
        return outcome;
    }
    seams.scoreboard.show(scoreboardValues(record));

    ArticleContext context{seams.phrases, random, seams.article};
    try {
        writeArticle(record, context);
    } catch (const InputError& error) {
        outcome.status = LoadOutcome::Status::Failed;
        outcome.message = error.what();
        return outcome;
    }

    seams.clipboard.setText(seams.article.text());
    outcome.status = LoadOutcome::Status::Loaded;
    try {
        seams.settings.rememberFolder(pathToUtf8(pathFromUtf8(outcome.boxscorePath).parent_path()));
    } catch (const FileWriteError& error) {
        outcome.message = error.what();
    }
    return outcome;
}

}  // namespace quillbat
