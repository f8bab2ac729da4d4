#include "paper/day_stars.h"

#include "paper/game_score.h"

namespace quillbat {
namespace {

// ", 2 HR" for two, ", HR" for one, nothing for none.
void appendCount(std::string& line, int count, const char* what) {
    if (count == 1) {
        line += std::string(", ") + what;
    } else if (count > 1) {
        line += ", " + std::to_string(count) + " " + what;
    }
}

std::string pitchingLineText(const PitchingLine& line) {
    return line.innings + " IP, " + std::to_string(line.hits) + " H, " + std::to_string(line.runs) +
           " R, " + std::to_string(line.earnedRuns) + " ER, " + std::to_string(line.walks) +
           " BB, " + std::to_string(line.strikeouts) + " K";
}

}  // namespace

std::string battingLineText(const Batter& batter) {
    std::string line = std::to_string(batter.batterHits) + "-for-" + std::to_string(batter.atBats);
    appendCount(line, batter.doubles, "2B");
    appendCount(line, batter.triples, "3B");
    appendCount(line, batter.homeRuns, "HR");
    appendCount(line, batter.runsBattedIn, "RBI");
    appendCount(line, batter.runsScored, "R");
    appendCount(line, batter.walks, "BB");
    return line;
}

void DayStars::addGame(const GameRecord& record) {
    const std::size_t game = games_++;
    for (Team team : kTeams) {
        for (const Batter& batter : record.batters[team]) {
            const float atLeast = batter_ ? batterRating_ : 0.0F;
            if (batter.batterName.empty() || batter.rating <= atLeast) {
                continue;
            }
            batter_ =
                DayStar{batter.batterName, record.teamName[team], battingLineText(batter), game};
            batterRating_ = batter.rating;
        }
    }
    if (record.runs[kVisitors] == record.runs[kHome] || record.winPitcher.empty()) {
        return;
    }
    const PitchingLine line{record.winInnings,    record.winHits,  record.winRuns,
                            record.winEarnedRuns, record.winWalks, record.winStrikeouts};
    const int score = gameScore(line);
    if (!pitcher_ || score > pitcherScore_) {
        pitcher_ = DayStar{record.winPitcher, record.teamName[record.winTeam()],
                           pitchingLineText(line), game};
        pitcherScore_ = score;
    }
}

}  // namespace quillbat
