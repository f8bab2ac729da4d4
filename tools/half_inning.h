#pragma once

#include <array>
#include <optional>
#include <vector>

#include "tools/dice.h"

namespace quillbat::generator {

// What a play does on the bases, before any name is put on it.
enum class PlayKind {
    kStrikeout,
    kGroundout,
    kFlyout,
    kLineout,
    kPopout,
    kRbiGroundout,    // the runner on third scores
    kSacrificeBunt,   // every runner moves up, the batter is out
    kForceOut,        // the runner on first is forced at second, the batter reaches first
    kForceOutRun,     // the same while the runner on third scores
    kDoublePlay,      // the runner on first and the batter are out
    kDoublePlayRun,   // the same with nobody out while the runner on third scores
    kCaughtStealing,  // the runner on first is out stealing second
    kStolenBase,      // the runner on first steals second
    kSingle,          // runners on second and third score
    kSingleHold,      // the runner on second stops at third
    kDouble,          // the runner on first stops at third
    kDoubleAll,       // every runner scores
    kTriple,
    kHomer,
    kWalk,
    kHitByPitch,
    kReachedOnError,  // the batter reaches first, runners on second and third score
    kSacrificeFly,
    kWildPitch,  // every runner moves up one base
    kPassedBall,
    kBalk,
    kStealHome,
};

// The runners on first, second and third (an id each, or kNoRunner) and the outs.
inline constexpr int kNoRunner = -1;
struct BaseState {
    int outs = 0;
    std::array<int, 3> runners{kNoRunner, kNoRunner, kNoRunner};
};

// Where a runner (or the batter, from kBatterBase) went on a play.
inline constexpr int kBatterBase = -1;
inline constexpr int kScored = 3;
inline constexpr int kPutOut = 4;
struct RunnerMove {
    int runner;
    int from;  // 0 first, 1 second, 2 third, or kBatterBase
    int to;    // 0 to 2, kScored or kPutOut
};

// A play applied to a base state: the state after it, its runs and every runner's move, the
// lead runner first and the batter last.
struct PlayResult {
    BaseState after;
    int runs = 0;
    std::vector<RunnerMove> moves;
};

// The result of `kind` with `batter` up in `before`; nothing when the play cannot happen there
// (a sacrifice fly with nobody on third, a double play with two out).
std::optional<PlayResult> resolvePlay(PlayKind kind, const BaseState& before, int batter);

// True for a play that ends a batter's turn; the others (steals, wild pitches) happen during it.
bool hasBatter(PlayKind kind);

// The play that takes the batting team's runs in the half past `runsBefore`, putting it ahead
// for good.
struct GoAheadPlay {
    int runsBefore = 0;
    std::vector<PlayKind> kinds;  // what it may be
    // The play ends the game with this many outs: nothing follows it.
    std::optional<int> walkoffOuts;
};

// The plays of one half-inning that scores exactly `runs` (three outs, or a walk-off), with
// the go-ahead play as asked. Every run scores on a play whose text can say so. Always finds
// one when the go-ahead play is possible at all.
std::vector<PlayKind> planHalfInning(int runs, const std::optional<GoAheadPlay>& goAhead,
                                     Dice& dice);

}  // namespace quillbat::generator
