#include "core/game_headline.h"

namespace quillbat {

std::string gameHeadline(const GameRecord& record) {
    const Team winner = record.winTeam();
    const Team loser = record.loseTeam();
    return gameHeadline(record,
                        record.teamName[winner] + " " + std::to_string(record.runs[winner]) + ", " +
                            record.teamName[loser] + " " + std::to_string(record.runs[loser]));
}

std::string gameHeadline(const GameRecord& record, std::string_view words) {
    std::string headline(words);
    if (record.innings > 9) {
        headline += " (" + std::to_string(record.innings) + " innings)";
    }
    // The label opens the article as a sentence ("Game One.  "); the headline ends with its words.
    const std::size_t labelEnd = record.gameLabel.find_last_not_of(". ");
    if (labelEnd != std::string::npos) {
        headline += ", " + record.gameLabel.substr(0, labelEnd + 1);
    }
    return headline;
}

}  // namespace quillbat
