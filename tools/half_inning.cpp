#include "tools/half_inning.h"

#include <algorithm>
#include <cmath>
#include <set>
#include <tuple>
#include <utility>

namespace quillbat::generator {
namespace {

constexpr int kFirst = 0;
constexpr int kSecond = 1;
constexpr int kThird = 2;

// Builds a play's result: runner moves in the order they are told, lead runner first.
class Outcome {
  public:
    explicit Outcome(const BaseState& before) : before_(before) { result_.after = before; }

    bool on(int base) const { return before_.runners[static_cast<std::size_t>(base)] != kNoRunner; }
    int runnerCount() const { return on(kFirst) + on(kSecond) + on(kThird); }

    // Moves the runner on `base` (when there is one) to `to`.
    Outcome& move(int base, int to) {
        const int runner = before_.runners[static_cast<std::size_t>(base)];
        if (runner == kNoRunner) {
            return *this;
        }
        if (result_.after.runners[static_cast<std::size_t>(base)] == runner) {
            result_.after.runners[static_cast<std::size_t>(base)] = kNoRunner;
        }
        place(runner, base, to);
        return *this;
    }
    // Every runner from third down moves `bases` bases.
    Outcome& advanceAll(int bases) {
        for (int base = kThird; base >= kFirst; --base) {
            move(base, std::min(base + bases, kScored));
        }
        return *this;
    }
    Outcome& batterTo(int batter, int to) {
        place(batter, kBatterBase, to);
        return *this;
    }
    PlayResult done() { return std::move(result_); }

  private:
    void place(int runner, int from, int to) {
        result_.moves.push_back({runner, from, to});
        if (to == kScored) {
            ++result_.runs;
        } else if (to == kPutOut) {
            ++result_.after.outs;
        } else {
            result_.after.runners[static_cast<std::size_t>(to)] = runner;
        }
    }

    BaseState before_;
    PlayResult result_;
};

// The bases after a walk: each runner moves up only when the one behind him forces him.
Outcome& forceAround(Outcome& play, int batter) {
    if (play.on(kFirst)) {
        if (play.on(kSecond)) {
            if (play.on(kThird)) {
                play.move(kThird, kScored);
            }
            play.move(kSecond, kThird);
        }
        play.move(kFirst, kSecond);
    }
    return play.batterTo(batter, kFirst);
}

// How often each kind of play is tried first, roughly as often as the game has them.
struct KindWeight {
    PlayKind kind;
    double weight;
};
constexpr std::array<KindWeight, 27> kWeights = {{
    {PlayKind::kStrikeout, 20},    {PlayKind::kGroundout, 15},
    {PlayKind::kFlyout, 13},       {PlayKind::kLineout, 5},
    {PlayKind::kPopout, 5},        {PlayKind::kRbiGroundout, 2},
    {PlayKind::kSacrificeBunt, 1}, {PlayKind::kForceOut, 4},
    {PlayKind::kForceOutRun, 1},   {PlayKind::kDoublePlay, 3},
    {PlayKind::kDoublePlayRun, 1}, {PlayKind::kCaughtStealing, 1},
    {PlayKind::kStolenBase, 2},    {PlayKind::kSingle, 11},
    {PlayKind::kSingleHold, 4},    {PlayKind::kDouble, 4},
    {PlayKind::kDoubleAll, 1},     {PlayKind::kTriple, 1},
    {PlayKind::kHomer, 3},         {PlayKind::kWalk, 8},
    {PlayKind::kHitByPitch, 1},    {PlayKind::kReachedOnError, 1.5},
    {PlayKind::kSacrificeFly, 1},  {PlayKind::kWildPitch, 1},
    {PlayKind::kPassedBall, 0.7},  {PlayKind::kBalk, 0.3},
    {PlayKind::kStealHome, 0.2},
}};

// A depth-first search over the bases, outs and runs of the half, trying plays in a random
// order weighted as the game has them. A state it could not finish from is never tried again,
// so the search ends quickly; every play without an out or a run moves a runner up, so it
// always ends.
class HalfInningSearch {
  public:
    HalfInningSearch(int runs, const std::optional<GoAheadPlay>& goAhead, Dice& dice)
        : runs_(runs), goAhead_(goAhead), dice_(dice) {}

    std::vector<PlayKind> run() {
        search(BaseState{}, 0);
        return std::move(plays_);
    }

  private:
    bool search(const BaseState& state, int runs) {
        const auto key = std::tuple(state.outs, occupied(state), runs);
        if (deadEnds_.count(key) != 0) {
            return false;
        }
        for (PlayKind kind : order(state, runs)) {
            std::optional<PlayResult> result = resolvePlay(kind, state, 0);
            if (!result) {
                continue;
            }
            const int after = runs + result->runs;
            if (after > runs_) {
                continue;
            }
            const bool goesAhead =
                goAhead_ && runs <= goAhead_->runsBefore && after > goAhead_->runsBefore;
            if (goesAhead && !isGoAheadKind(kind)) {
                continue;
            }
            plays_.push_back(kind);
            if (goesAhead && walkoff()) {
                // The game ends on this play.
                if (state.outs == *goAhead_->walkoffOuts && after == runs_) {
                    return true;
                }
            } else if (result->after.outs >= 3) {
                if (after == runs_ && !walkoff()) {
                    return true;
                }
            } else if (search(result->after, after)) {
                return true;
            }
            plays_.pop_back();
        }
        deadEnds_.insert(key);
        return false;
    }

    static unsigned occupied(const BaseState& state) {
        unsigned bits = 0;
        for (std::size_t base = 0; base < 3; ++base) {
            bits |= state.runners[base] != kNoRunner ? 1u << base : 0u;
        }
        return bits;
    }

    bool walkoff() const { return goAhead_ && goAhead_->walkoffOuts.has_value(); }

    bool isGoAheadKind(PlayKind kind) const {
        return std::find(goAhead_->kinds.begin(), goAhead_->kinds.end(), kind) !=
               goAhead_->kinds.end();
    }

    // The kinds in a random order, each drawn ahead with its weight: the go-ahead kinds far
    // ahead once they would put the team ahead, plays that score ahead when runs are due.
    std::vector<PlayKind> order(const BaseState& state, int runs) {
        std::vector<std::pair<double, PlayKind>> keyed;
        for (const KindWeight& entry : kWeights) {
            double weight = entry.weight;
            std::optional<PlayResult> result = resolvePlay(entry.kind, state, 0);
            if (result && goAhead_ && isGoAheadKind(entry.kind) && runs <= goAhead_->runsBefore &&
                runs + result->runs > goAhead_->runsBefore) {
                weight = 60;
            } else if (result && result->runs > 0 && runs < runs_) {
                weight *= 2;
            }
            const double draw = dice_.between(1, 1000000) / 1000001.0;
            keyed.emplace_back(-std::log(draw) / weight, entry.kind);
        }
        std::sort(keyed.begin(), keyed.end());
        std::vector<PlayKind> kinds;
        for (const auto& [key, kind] : keyed) {
            kinds.push_back(kind);
        }
        return kinds;
    }

    int runs_;
    const std::optional<GoAheadPlay>& goAhead_;
    Dice& dice_;
    std::vector<PlayKind> plays_;
    std::set<std::tuple<int, unsigned, int>> deadEnds_;
};

}  // namespace

bool hasBatter(PlayKind kind) {
    switch (kind) {
        case PlayKind::kCaughtStealing:
        case PlayKind::kStolenBase:
        case PlayKind::kWildPitch:
        case PlayKind::kPassedBall:
        case PlayKind::kBalk:
        case PlayKind::kStealHome:
            return false;
        default:
            return true;
    }
}

std::optional<PlayResult> resolvePlay(PlayKind kind, const BaseState& before, int batter) {
    Outcome play(before);
    const bool first = play.on(kFirst);
    const bool second = play.on(kSecond);
    const bool third = play.on(kThird);
    const int outs = before.outs;
    switch (kind) {
        case PlayKind::kStrikeout:
        case PlayKind::kGroundout:
        case PlayKind::kFlyout:
        case PlayKind::kLineout:
        case PlayKind::kPopout:
            return play.batterTo(batter, kPutOut).done();
        case PlayKind::kRbiGroundout:
            if (!third || outs > 1) {
                return std::nullopt;
            }
            return play.move(kThird, kScored).batterTo(batter, kPutOut).done();
        case PlayKind::kSacrificeBunt:
            if (!(first || second) || third || outs > 1) {
                return std::nullopt;
            }
            return play.advanceAll(1).batterTo(batter, kPutOut).done();
        case PlayKind::kForceOut:
            if (!first) {
                return std::nullopt;
            }
            return play.move(kFirst, kPutOut).batterTo(batter, kFirst).done();
        case PlayKind::kForceOutRun:
            if (!first || !third || outs > 1) {
                return std::nullopt;
            }
            return play.move(kThird, kScored).move(kFirst, kPutOut).batterTo(batter, kFirst).done();
        case PlayKind::kDoublePlay:
            if (!first || outs > 1) {
                return std::nullopt;
            }
            return play.move(kFirst, kPutOut).batterTo(batter, kPutOut).done();
        case PlayKind::kDoublePlayRun:
            if (!first || !third || outs > 0) {
                return std::nullopt;
            }
            return play.move(kThird, kScored)
                .move(kFirst, kPutOut)
                .batterTo(batter, kPutOut)
                .done();
        case PlayKind::kCaughtStealing:
            if (!first || second) {
                return std::nullopt;
            }
            return play.move(kFirst, kPutOut).done();
        case PlayKind::kStolenBase:
            if (!first || second) {
                return std::nullopt;
            }
            return play.move(kFirst, kSecond).done();
        case PlayKind::kSingle:
        case PlayKind::kReachedOnError:
            return play.move(kThird, kScored)
                .move(kSecond, kScored)
                .move(kFirst, kSecond)
                .batterTo(batter, kFirst)
                .done();
        case PlayKind::kSingleHold:
            return play.move(kThird, kScored)
                .move(kSecond, kThird)
                .move(kFirst, kSecond)
                .batterTo(batter, kFirst)
                .done();
        case PlayKind::kDouble:
            return play.move(kThird, kScored)
                .move(kSecond, kScored)
                .move(kFirst, kThird)
                .batterTo(batter, kSecond)
                .done();
        case PlayKind::kDoubleAll:
            return play.advanceAll(3).batterTo(batter, kSecond).done();
        case PlayKind::kTriple:
            return play.advanceAll(3).batterTo(batter, kThird).done();
        case PlayKind::kHomer:
            return play.advanceAll(3).batterTo(batter, kScored).done();
        case PlayKind::kWalk:
        case PlayKind::kHitByPitch:
            return forceAround(play, batter).done();
        case PlayKind::kSacrificeFly:
            if (!third || outs > 1) {
                return std::nullopt;
            }
            return play.move(kThird, kScored).batterTo(batter, kPutOut).done();
        case PlayKind::kWildPitch:
        case PlayKind::kPassedBall:
        case PlayKind::kBalk:
            if (play.runnerCount() == 0) {
                return std::nullopt;
            }
            return play.advanceAll(1).done();
        case PlayKind::kStealHome:
            if (!third) {
                return std::nullopt;
            }
            return play.move(kThird, kScored).done();
    }
    return std::nullopt;
}

std::vector<PlayKind> planHalfInning(int runs, const std::optional<GoAheadPlay>& goAhead,
                                     Dice& dice) {
    return HalfInningSearch(runs, goAhead, dice).run();
}

}  // namespace quillbat::generator
