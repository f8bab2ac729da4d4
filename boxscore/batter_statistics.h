#pragma once

#include "boxscore/game_record.h"

namespace quillbat {

// Stores the batter rating of one slot from its current counts:
//   0.16 x (2 x (H + D + 2T + 3HR + BB) + H - 0.605 x (AB - H))
// The bracket and AB - H are whole 16-bit numbers (kept at the 16-bit bounds should they
// overflow), the rest is double arithmetic, and the result is stored as a float.
void rateBatter(Batter& batter);

// Completes the batter table after the batting stage. In the side-by-side layout the notes
// lines (firstNotesLine through weatherLine) give doubles, triples, home runs, walks and runs
// batted in with their season totals; every slot named by a notes item is rated again. In the
// full-column layout the rows were rated as they were read. Then chooses both teams' stars.
void completeBatterStatistics(GameRecord& record);

// Sets firstStar and secondStar of both teams to the slots with the highest and second-highest
// rating (strictly greater wins, so ties keep the earlier slot); both stay at slot 50, an empty
// slot of rating 0, when no batter rates above it.
void chooseStars(GameRecord& record);

}  // namespace quillbat
