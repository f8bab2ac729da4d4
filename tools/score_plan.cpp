#include "tools/score_plan.h"

#include <algorithm>
#include <cstddef>

namespace quillbat::generator {
namespace {

// The kinds of go-ahead play, each with how often it is drawn; every one comes up in a few
// hundred games.
struct GoAheadEvent {
    int weight;
    bool makesAnOut;  // a walk-off of this kind leaves at most one out before it
    std::vector<PlayKind> kinds;
};

const std::vector<GoAheadEvent>& goAheadEvents() {
    static const std::vector<GoAheadEvent> kEvents = {
        {20, false, {PlayKind::kHomer}},
        {22, false, {PlayKind::kSingle, PlayKind::kSingleHold}},
        {12, false, {PlayKind::kDouble, PlayKind::kDoubleAll}},
        {4, false, {PlayKind::kTriple}},
        {6, true, {PlayKind::kSacrificeFly}},
        {5, false, {PlayKind::kWalk}},
        {3, false, {PlayKind::kHitByPitch}},
        {4, false, {PlayKind::kWildPitch}},
        {3, false, {PlayKind::kPassedBall}},
        {3, false, {PlayKind::kBalk}},
        {3, false, {PlayKind::kStealHome}},
        {6, false, {PlayKind::kReachedOnError}},
        {9, true, {PlayKind::kRbiGroundout, PlayKind::kForceOutRun, PlayKind::kDoublePlayRun}},
    };
    return kEvents;
}

const GoAheadEvent& drawEvent(Dice& dice) {
    int total = 0;
    for (const GoAheadEvent& event : goAheadEvents()) {
        total += event.weight;
    }
    int roll = dice.between(1, total);
    for (const GoAheadEvent& event : goAheadEvents()) {
        roll -= event.weight;
        if (roll <= 0) {
            return event;
        }
    }
    return goAheadEvents().front();
}

class ScorePlanner {
  public:
    explicit ScorePlanner(Dice& dice) : dice_(dice) {}

    ScorePlan plan() {
        chooseScore();
        const GoAheadEvent* event = &drawEvent(dice_);
        if (walkoff_) {
            // Only a homer wins by more than one in the last turn: an extra-inning game keeps
            // its margin with a homer, a nine-inning one keeps its play and wins by one.
            const bool homer = event == &goAheadEvents().front();
            if (margin_ > 1 && !homer && plan_.innings > 9) {
                event = &goAheadEvents().front();
            } else if (margin_ > 1 && !homer) {
                margin_ = 1;
            }
            plan_.goAhead.walkoffOuts = dice_.between(0, event->makesAnOut ? 1 : 2);
        }
        plan_.goAhead.kinds = event->kinds;
        plan_.runs[winner_] = plan_.runs[1 - winner_] + margin_;
        spreadRuns();
        findGoAheadHalf();
        return std::move(plan_);
    }

  private:
    void chooseScore() {
        int loser = 0;
        int winner = 0;
        switch (dice_.between(0, 5)) {
            case 0:  // close
                loser = dice_.between(0, 6);
                winner = loser + dice_.between(1, 2);
                break;
            case 1: {  // a margin of 3 to 6, never exactly double
                loser = dice_.between(1, 6);
                int margin = dice_.between(3, 6);
                if (margin == loser) {
                    margin = margin == 6 ? 5 : margin + 1;
                }
                winner = loser + margin;
                break;
            }
            case 2:  // the winner scores twice the loser's runs
                loser = dice_.between(3, 6);
                winner = 2 * loser;
                break;
            case 3:  // rout
                loser = dice_.between(1, 5);
                winner = loser + dice_.between(7, 12);
                break;
            case 4:  // shutout
                winner = dice_.between(3, 12);
                break;
            default:  // extra innings, a few long ones
                plan_.innings = dice_.chance(80) ? dice_.between(10, 12) : dice_.between(13, 20);
                loser = dice_.between(0, 6);
                winner = loser + (dice_.chance(80) ? 1 : dice_.between(2, 5));
                break;
        }
        const bool doubled = winner == 2 * loser && loser > 0;
        plan_.homeWins = doubled && loser < 5 ? true : dice_.chance(55);
        winner_ = plan_.homeWins ? 1u : 0u;
        margin_ = winner - loser;
        walkoff_ = plan_.homeWins && (plan_.innings > 9 || (margin_ <= 4 && dice_.chance(30)));
        if (walkoff_ && margin_ > 4) {
            margin_ = 4;  // a grand slam wins by four at most
        }
        plan_.runs[1 - winner_] = loser;
        comeback_ = !walkoff_ && plan_.innings == 9 && loser >= 3 && dice_.chance(20);
    }

    void scatter(std::size_t team, int runs, int firstInning, int lastInning) {
        for (int run = 0; run < runs; ++run) {
            ++runsByInning_[team]
                           [static_cast<std::size_t>(dice_.between(firstInning, lastInning) - 1)];
        }
    }

    void spreadRuns() {
        const auto innings = static_cast<std::size_t>(plan_.innings);
        for (std::vector<int>& runs : runsByInning_) {
            runs.assign(innings, 0);
        }
        const std::size_t winner = winner_;
        const std::size_t loser = 1 - winner;
        const int loserRuns = plan_.runs[loser];
        const int lastBeforeNinth = 8;
        if (plan_.innings > 9) {
            // Tied after nine; the winners score their margin in the last inning.
            scatter(loser, loserRuns, 1, 9);
            scatter(winner, loserRuns, 1, 9);
            runsByInning_[winner][innings - 1] = margin_;
        } else if (walkoff_) {
            // The home team goes into the ninth `behind` runs down, or tied.
            const int behind = dice_.between(0, std::min(loserRuns, 3));
            scatter(loser, loserRuns, 1, 9);
            scatter(winner, loserRuns - behind, 1, lastBeforeNinth);
            runsByInning_[winner][8] = behind + margin_;
        } else if (comeback_) {
            scatter(loser, loserRuns, 1, 3);
            scatter(winner, plan_.runs[winner], 5, plan_.homeWins ? lastBeforeNinth : 9);
        } else {
            scatter(loser, loserRuns, 1, 9);
            scatter(winner, plan_.runs[winner], 1, plan_.homeWins ? lastBeforeNinth : 9);
        }
        for (std::size_t team = 0; team < 2; ++team) {
            for (int runs : runsByInning_[team]) {
                plan_.cells[team].push_back(std::to_string(runs));
            }
        }
        if (plan_.homeWins && !walkoff_) {
            plan_.cells[1][8] = std::string(1, 'x');
        }
    }

    // The last half-inning after which the winners lead and before which they did not.
    void findGoAheadHalf() {
        std::array<int, 2> score{};
        const std::size_t winner = winner_;
        for (int inning = 1; inning <= plan_.innings; ++inning) {
            for (std::size_t team = 0; team < 2; ++team) {
                const std::string& cell = plan_.cells[team][static_cast<std::size_t>(inning - 1)];
                if (cell == "x") {
                    continue;
                }
                const int behind = score[1 - winner] - score[winner];
                score[team] += std::stoi(cell);
                if (behind >= 0 && score[winner] > score[1 - winner]) {
                    plan_.goAhead.inning = inning;
                    plan_.goAhead.bottom = team == 1;
                    plan_.goAhead.deficit = behind;
                }
            }
        }
    }

    Dice& dice_;
    ScorePlan plan_;
    std::array<std::vector<int>, 2> runsByInning_;
    std::size_t winner_ = 1;
    int margin_ = 1;
    bool walkoff_ = false;
    bool comeback_ = false;
};

}  // namespace

ScorePlan planScore(Dice& dice) {
    return ScorePlanner(dice).plan();
}

}  // namespace quillbat::generator
