#pragma once

#include "boxscore/boxscore_sections.h"
#include "boxscore/game_record.h"

namespace quillbat {

// Stores the batter rating of one slot from its current counts:
//   0.16 x (2 x (H + D + 2T + 3HR + BB) + H - 0.605 x (AB - H))
// The bracket and AB - H are whole 16-bit numbers (kept at the 16-bit bounds should they
// overflow), the rest is double arithmetic, and the result is stored as a float.
void rateBatter(Batter& batter);

// Completes both teams' batters after the batting stage. In the side-by-side layout the notes
// lines (firstNotesLine through weatherLine) give doubles, triples, home runs, walks and runs
// batted in with their season totals; every batter named by a notes item is rated again. In the
// full-column layout the rows were rated as they were read. Then chooses both teams' stars.
void completeBatterStatistics(const BoxscoreSections& sections, GameRecord& record);

// Sets firstStar and secondStar of both teams to the batters with the highest and
// second-highest rating; strictly greater wins, so of two equal ratings the earlier batter
// goes first. A star must rate above the 50th batter of the team's table, who rates 0 unless
// the team has 50 batters: no batter rated above 0 means no star. A batter is never both stars,
// and a batter without a name is never a star.
void chooseStars(GameRecord& record);

}  // namespace quillbat
