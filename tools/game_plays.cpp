#include "tools/game_plays.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <utility>

namespace quillbat::generator {
namespace {

constexpr std::array<std::string_view, 5> kGrounders = {"short", "second", "third", "first",
                                                        "the mound"};
constexpr std::array<std::string_view, 5> kFlies = {"left", "center", "right", "left center",
                                                    "right center"};
constexpr std::array<std::string_view, 7> kLiners = {"short", "second", "third", "first",
                                                     "left",  "center", "right"};
constexpr std::array<std::string_view, 5> kPopUps = {"the catcher", "first", "second", "third",
                                                     "short"};
constexpr std::array<std::string_view, 7> kSingles = {"lined a single to left",
                                                      "lined a single to shallow center",
                                                      "lined a single to right center",
                                                      "grounded a single up the middle",
                                                      "grounded a single between third and short",
                                                      "reached on an infield single to short",
                                                      "singled to right"};
constexpr std::array<std::string_view, 4> kDoubles = {
    "doubled deep to left center", "lined a double down the left field line",
    "grounded a double down the third base line", "doubled to right"};
constexpr std::array<std::string_view, 2> kTriples = {"tripled deep to center",
                                                      "lined a triple to right center"};
constexpr std::array<std::string_view, 4> kHomers = {"homered deep to left", "homered to right",
                                                     "homered very deep to right center",
                                                     "homered deep down the left-field line"};

struct Fielder {
    std::string_view position;  // as the batting section prints it
    std::string_view title;     // as an error names him
};
constexpr std::array<Fielder, 7> kFielders = {{{"1b", "the first baseman"},
                                               {"2b", "the second baseman"},
                                               {"3b", "the third baseman"},
                                               {"ss", "the shortstop"},
                                               {"lf", "the left fielder"},
                                               {"cf", "the center fielder"},
                                               {"rf", "the right fielder"}}};
constexpr std::array<std::array<std::string_view, 3>, 3> kDoublePlays = {
    {{"ss", "2b", "1b"}, {"2b", "ss", "1b"}, {"3b", "2b", "1b"}}};

constexpr std::array<std::string_view, 3> kBaseNames = {"first", "second", "third"};

// The count before the last pitch and the pitches of a turn at bat that ends in `last`.
struct Pitches {
    int balls = 0;
    int strikes = 0;
    std::string pitches;
};

// The balls and strikes in a random order; fouls with two strikes leave the count as it is.
Pitches pitchesEndingIn(char last, int balls, int strikes, Dice& dice) {
    static constexpr std::array<char, 3> kStrikes = {'C', 'S', 'F'};
    std::string pitches(static_cast<std::size_t>(balls), 'B');
    for (int strike = 0; strike < strikes; ++strike) {
        pitches += dice.pick(kStrikes);
    }
    for (std::size_t i = pitches.size(); i > 1; --i) {
        const auto other = static_cast<std::size_t>(dice.between(0, static_cast<int>(i) - 1));
        std::swap(pitches[i - 1], pitches[other]);
    }
    if (strikes == 2) {
        const std::size_t secondStrike = pitches.find_last_not_of('B');
        for (int foul = dice.between(0, 2); foul > 0; --foul) {
            const auto at = static_cast<std::size_t>(
                dice.between(static_cast<int>(secondStrike) + 1, static_cast<int>(pitches.size())));
            pitches.insert(at, 1, 'F');
        }
    }
    return {balls, strikes, pitches + last};
}

Pitches pitchesOf(PlayKind kind, Dice& dice) {
    switch (kind) {
        case PlayKind::kStrikeout:
            return pitchesEndingIn(dice.chance(50) ? 'S' : 'C', dice.between(0, 3), 2, dice);
        case PlayKind::kWalk:
            return pitchesEndingIn('B', 3, dice.between(0, 2), dice);
        case PlayKind::kHitByPitch:
            return pitchesEndingIn('H', dice.between(0, 3), dice.between(0, 2), dice);
        case PlayKind::kBalk:
            return {dice.between(0, 3), dice.between(0, 2), {}};
        case PlayKind::kWildPitch:
        case PlayKind::kPassedBall:
        case PlayKind::kStolenBase:
        case PlayKind::kStealHome:
            return pitchesEndingIn('B', dice.between(0, 2), dice.between(0, 2), dice);
        case PlayKind::kCaughtStealing:
            return pitchesEndingIn('C', dice.between(0, 3), dice.between(0, 1), dice);
        default:
            return pitchesEndingIn('X', dice.between(0, 3), dice.between(0, 2), dice);
    }
}

// The name the story gives a go-ahead play of this kind: "homer", "single", ... "out".
const char* eventName(PlayKind kind) {
    switch (kind) {
        case PlayKind::kHomer:
            return "homer";
        case PlayKind::kTriple:
            return "triple";
        case PlayKind::kDouble:
        case PlayKind::kDoubleAll:
            return "double";
        case PlayKind::kSingle:
        case PlayKind::kSingleHold:
            return "single";
        case PlayKind::kSacrificeFly:
            return "sacrificeFly";
        case PlayKind::kWalk:
            return "walk";
        case PlayKind::kHitByPitch:
            return "hitByPitch";
        case PlayKind::kWildPitch:
            return "wildPitch";
        case PlayKind::kPassedBall:
            return "passedBall";
        case PlayKind::kBalk:
            return "balk";
        case PlayKind::kStealHome:
            return "steal";
        case PlayKind::kReachedOnError:
            return "error";
        default:
            return "out";
    }
}

// What the scoresheet prints for the batter of a play; empty for a play without a batter.
std::string_view markOf(PlayKind kind) {
    switch (kind) {
        case PlayKind::kStrikeout:
            return "k";
        case PlayKind::kGroundout:
        case PlayKind::kRbiGroundout:
            return "63";
        case PlayKind::kFlyout:
            return "8";
        case PlayKind::kLineout:
            return "6/L";
        case PlayKind::kPopout:
            return "4/P";
        case PlayKind::kSacrificeBunt:
            return "SH";
        case PlayKind::kForceOut:
        case PlayKind::kForceOutRun:
            return "FC";
        case PlayKind::kDoublePlay:
        case PlayKind::kDoublePlayRun:
            return "643/gdp";
        case PlayKind::kSingle:
        case PlayKind::kSingleHold:
            return "S";
        case PlayKind::kDouble:
        case PlayKind::kDoubleAll:
            return "D";
        case PlayKind::kTriple:
            return "T";
        case PlayKind::kHomer:
            return "HR";
        case PlayKind::kWalk:
            return "W";
        case PlayKind::kHitByPitch:
            return "HP";
        case PlayKind::kReachedOnError:
            return "E";
        case PlayKind::kSacrificeFly:
            return "SF8";
        default:
            return {};
    }
}

class GamePlayer {
  public:
    GamePlayer(const GeneratedGame& game, const GoAheadPlan& plan, Dice& dice)
        : game_(game), plan_(plan), dice_(dice) {
        for (std::size_t team = 0; team < 2; ++team) {
            played_.runsAllowed[team].assign(game.teams[team].pitchers.size(), 0);
            played_.inningEntered[team].assign(game.teams[team].batters.size(), 0);
            for (std::size_t slot = 0; slot < 9; ++slot) {
                inSlot_[team][slot] = slot;
            }
        }
    }

    PlayedGame play() {
        for (int inning = 1; inning <= game_.innings; ++inning) {
            for (std::size_t batting = 0; batting < 2; ++batting) {
                const std::string& cell =
                    game_.teams[batting].inningRuns[static_cast<std::size_t>(inning - 1)];
                if (cell != "x") {
                    playHalf(inning, batting, std::stoi(cell));
                }
            }
        }
        return std::move(played_);
    }

  private:
    void playHalf(int inning, std::size_t batting, int runs) {
        const std::size_t fielding = 1 - batting;
        const bool goAheadHalf = plan_.inning == inning && plan_.bottom == (batting == 1);
        std::optional<GoAheadPlay> goAhead;
        if (goAheadHalf) {
            goAhead = GoAheadPlay{plan_.deficit, plan_.kinds, plan_.walkoffOuts};
        }
        GeneratedHalfInning half{inning, batting == 1, {}};
        BaseState bases;
        int halfRuns = 0;
        for (PlayKind kind : planHalfInning(runs, goAhead, dice_)) {
            GeneratedPlay play;
            changePitcher(fielding, play.changes);
            const int batter = hasBatter(kind) ? upNext(batting, inning, play.changes) : kNoRunner;
            const PlayResult result = *resolvePlay(kind, bases, batter);
            play.scoreBefore = score_;
            play.outs = bases.outs;
            for (std::size_t base = 0; base < 3; ++base) {
                play.runners[base] = bases.runners[base] != kNoRunner;
            }
            Pitches turn = pitchesOf(kind, dice_);
            play.balls = turn.balls;
            play.strikes = turn.strikes;
            play.pitches = std::move(turn.pitches);
            play.batter = batter;
            play.text = textOf(kind, result, bases, batting, batter);
            play.mark = std::string(markOf(kind));
            if (goAheadHalf && halfRuns <= plan_.deficit &&
                halfRuns + result.runs > plan_.deficit) {
                noteGoAhead(kind, result.runs, batting, batter, inning);
            }
            halfRuns += result.runs;
            score_[batting] += result.runs;
            played_.runsAllowed[fielding][pitcher_[fielding]] += result.runs;
            pitcherOuts_[fielding] += std::min(result.after.outs, 3) - bases.outs;
            bases = result.after;
            if (batter != kNoRunner) {
                order_[batting] = (order_[batting] + 1) % 9;
            }
            half.plays.push_back(std::move(play));
        }
        played_.halves.push_back(std::move(half));
    }

    void noteGoAhead(PlayKind kind, int runs, std::size_t batting, int batter, int inning) {
        played_.goAheadKind = kind;
        played_.goAheadRuns = runs;
        const std::string event = eventName(kind);
        const bool named = batter != kNoRunner && event != "error";
        if (named) {
            played_.goAheadBatter = static_cast<std::size_t>(batter);
        }
        played_.goAhead = {inning, batting == 1, event,
                           named ? nameOf(batting, batter) : std::string(),
                           plan_.walkoffOuts.has_value()};
        played_.pitcherAtGoAhead = pitcher_;
    }

    // The next pitcher takes over once the one on the mound has recorded the outs of his line.
    void changePitcher(std::size_t fielding, std::vector<std::string>& changes) {
        const std::vector<GeneratedPitcher>& staff = game_.teams[fielding].pitchers;
        while (pitcher_[fielding] + 1 < staff.size() &&
               pitcherOuts_[fielding] >= staff[pitcher_[fielding]].outs) {
            pitcherOuts_[fielding] -= staff[pitcher_[fielding]].outs;
            ++pitcher_[fielding];
            changes.push_back(staff[pitcher_[fielding]].name + " now pitching");
        }
    }

    // The batter whose turn it is; a substitute comes in for his starter from his inning on.
    int upNext(std::size_t batting, int inning, std::vector<std::string>& changes) {
        const std::vector<GeneratedBatter>& batters = game_.teams[batting].batters;
        const std::size_t slot = order_[batting];
        for (std::size_t sub = 9; sub < batters.size(); ++sub) {
            if (sub - 9 == slot && inSlot_[batting][slot] != sub &&
                batters[sub].enteredInning <= inning) {
                changes.push_back(batters[sub].name + " pinch hitting for " +
                                  batters[inSlot_[batting][slot]].name);
                inSlot_[batting][slot] = sub;
            }
        }
        const std::size_t batter = inSlot_[batting][slot];
        if (played_.inningEntered[batting][batter] == 0) {
            played_.inningEntered[batting][batter] = inning;
        }
        return static_cast<int>(batter);
    }

    std::string nameOf(std::size_t team, int batter) const {
        return game_.teams[team].batters[static_cast<std::size_t>(batter)].name;
    }

    std::string fielderName(std::size_t team, std::string_view position) const {
        for (const GeneratedBatter& batter : game_.teams[team].batters) {
            if (batter.position == position) {
                return batter.name;
            }
        }
        return game_.teams[team].batters.front().name;
    }

    // ", Avila scored, Markakis to third": every runner who moved, the batter too when
    // `withBatter`, the outs left to the play's own words.
    std::string moves(const PlayResult& result, std::size_t batting, bool withBatter) const {
        std::string text;
        for (const RunnerMove& move : result.moves) {
            if (move.to == kPutOut || (move.from == kBatterBase && !withBatter)) {
                continue;
            }
            text += ", " + nameOf(batting, move.runner) +
                    (move.to == kScored
                         ? std::string(" scored")
                         : " to " + std::string(kBaseNames[static_cast<std::size_t>(move.to)]));
        }
        return text;
    }

    int runnerOn(const BaseState& bases, int base) const {
        return bases.runners[static_cast<std::size_t>(base)];
    }

    std::string textOf(PlayKind kind, const PlayResult& result, const BaseState& before,
                       std::size_t batting, int batter) {
        const std::size_t fielding = 1 - batting;
        const std::string b = batter == kNoRunner ? std::string() : nameOf(batting, batter);
        const std::string pitcher = game_.teams[fielding].pitchers[pitcher_[fielding]].name;
        switch (kind) {
            case PlayKind::kStrikeout:
                return b + " struck out";
            case PlayKind::kGroundout:
            case PlayKind::kRbiGroundout: {
                const std::string_view to = dice_.pick(kGrounders);
                return b + " grounded out to " + std::string(to) + moves(result, batting, false);
            }
            case PlayKind::kFlyout:
                return b + " flied out to " + std::string(dice_.pick(kFlies));
            case PlayKind::kLineout:
                return b + " lined out to " + std::string(dice_.pick(kLiners));
            case PlayKind::kPopout:
                return b + " popped out to " + std::string(dice_.pick(kPopUps));
            case PlayKind::kSacrificeBunt:
                return b + " sacrifice bunted to the mound" + moves(result, batting, false);
            case PlayKind::kForceOut:
            case PlayKind::kForceOutRun:
                return b + " grounded to short, forcing " + nameOf(batting, runnerOn(before, 0)) +
                       " at second" + moves(result, batting, true);
            case PlayKind::kDoublePlay:
            case PlayKind::kDoublePlayRun: {
                const auto& chain = dice_.pick(kDoublePlays);
                return b + " grounded into a double play, " + fielderName(fielding, chain[0]) +
                       " to " + fielderName(fielding, chain[1]) + " to " +
                       fielderName(fielding, chain[2]) + moves(result, batting, false);
            }
            case PlayKind::kCaughtStealing:
                return nameOf(batting, runnerOn(before, 0)) + " was caught stealing second";
            case PlayKind::kStolenBase:
                return nameOf(batting, runnerOn(before, 0)) + " stole second";
            case PlayKind::kSingle:
            case PlayKind::kSingleHold:
                return b + " " + std::string(dice_.pick(kSingles)) + moves(result, batting, false);
            case PlayKind::kDouble:
            case PlayKind::kDoubleAll:
                return b + " " + std::string(dice_.pick(kDoubles)) + moves(result, batting, false);
            case PlayKind::kTriple:
                return b + " " + std::string(dice_.pick(kTriples)) + moves(result, batting, false);
            case PlayKind::kHomer:
                return b + " " + std::string(dice_.pick(kHomers)) + moves(result, batting, false);
            case PlayKind::kWalk:
                return b + " walked" + moves(result, batting, false);
            case PlayKind::kHitByPitch:
                return b + " was hit by a pitch" + moves(result, batting, false);
            case PlayKind::kReachedOnError: {
                const Fielder& fielder = dice_.pick(kFielders);
                // "Cruz scored, Smoak to second, Hill to first on an error by ..."
                return moves(result, batting, true).substr(2) + " on an error by " +
                       std::string(fielder.title) + " " + fielderName(fielding, fielder.position);
            }
            case PlayKind::kSacrificeFly:
                return b + " hit a sacrifice fly to " + std::string(dice_.pick(kFlies)) +
                       moves(result, batting, false);
            case PlayKind::kWildPitch:
                return pitcher + " threw a wild pitch" + moves(result, batting, false);
            case PlayKind::kPassedBall:
                return fielderName(fielding, "c") + " allowed a passed ball" +
                       moves(result, batting, false);
            case PlayKind::kBalk:
                return pitcher + " balked" + moves(result, batting, false);
            case PlayKind::kStealHome:
                return nameOf(batting, runnerOn(before, 2)) + " stole home";
        }
        return {};
    }

    const GeneratedGame& game_;
    const GoAheadPlan& plan_;
    Dice& dice_;
    PlayedGame played_;
    std::array<int, 2> score_{};
    std::array<std::size_t, 2> order_{};  // the slot (0-8) of each team's next batter
    std::array<std::array<std::size_t, 9>, 2> inSlot_{};
    std::array<std::size_t, 2> pitcher_{};  // each team's pitcher on the mound
    std::array<int, 2> pitcherOuts_{};      // the outs he has recorded
};

}  // namespace

PlayedGame playGame(const GeneratedGame& game, const GoAheadPlan& plan, Dice& dice) {
    return GamePlayer(game, plan, dice).play();
}

}  // namespace quillbat::generator
