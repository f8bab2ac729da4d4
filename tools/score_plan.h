#pragma once

#include <array>
#include <string>
#include <vector>

#include "tools/dice.h"
#include "tools/game_plays.h"

namespace quillbat::generator {

// The line score of a made-up game and where its winners go ahead for good.
struct ScorePlan {
    int innings = 9;
    bool homeWins = true;
    std::array<int, 2> runs{};                      // visitors, home
    std::array<std::vector<std::string>, 2> cells;  // every inning's cell: "0", "3" or "x"
    GoAheadPlan goAhead;
};

// Draws a score of one of the game types the article tells apart (close, a margin of three to
// six, doubled up, a rout, a shutout, extra innings up to 20) and spreads the runs over the
// innings. The home team does not bat in the ninth ("x") when it leads after the top, except
// in a walk-off: then it trails or is tied going into its last turn and wins in it, by one run,
// or by up to four on a homer. A home win in extra innings is always a walk-off. Now and then
// the losers score three or more early and the winners all theirs from the fifth on. The
// go-ahead play is drawn from every kind the story tells apart.
ScorePlan planScore(Dice& dice);

}  // namespace quillbat::generator
