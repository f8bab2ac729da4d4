#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <vector>

#include "tools/dice.h"
#include "tools/generated_game.h"
#include "tools/half_inning.h"

namespace quillbat::generator {

// Where the winners go ahead for good, decided with the line score.
struct GoAheadPlan {
    int inning = 1;
    bool bottom = false;
    int deficit = 0;              // the winners' runs behind the losers as that half starts
    std::vector<PlayKind> kinds;  // what the go-ahead play may be
    std::optional<int> walkoffOuts;
};

// The play-by-play of a game, and what the boxscore must say to agree with it.
struct PlayedGame {
    std::vector<GeneratedHalfInning> halves;
    GeneratedGoAhead goAhead;
    PlayKind goAheadKind = PlayKind::kSingle;
    int goAheadRuns = 0;
    std::optional<std::size_t> goAheadBatter;  // in the winners' batters
    // At the go-ahead play, in each team's pitchers (visitors, home): the winners' pitcher of
    // record (the last to pitch) and the losers' pitcher on the mound.
    std::array<std::size_t, 2> pitcherAtGoAhead{};
    std::array<std::vector<int>, 2> runsAllowed;    // by each pitcher of each team
    std::array<std::vector<int>, 2> inningEntered;  // by each batter; 0 when he never batted
};

// Plays the game inning by inning as `game` sets it: every half-inning scores the runs of its
// line-score cell ("x" halves are not played), the batters come up in order (a substitute bats
// for his starter from his inning on), each pitcher records the outs of his line in turn, and
// the winners go ahead for good as `plan` says. Uses the names, the line score and the
// pitchers' outs of `game` and nothing else of it.
PlayedGame playGame(const GeneratedGame& game, const GoAheadPlan& plan, Dice& dice);

}  // namespace quillbat::generator
