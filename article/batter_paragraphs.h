#pragma once

#include <string>
#include <string_view>

#include "article/article_context.h"
#include "boxscore/game_record.h"

namespace quillbat {

// The category of "winner_1_batter.dat" for the winning team's first star: the first of the
// sixteen rows from "cycle", "HRs" and the "Hits..." rows down to "RBI", "oneHR", "none" (one hit
// in four or more at bats) and "normal" whose conditions all hold.
std::string_view firstStarCategory(const Batter& batter);

// The category of "winner_2_batter.dat" and "loser_1_batter.dat": the first of "cycle", "HRs",
// "Hits234", "Hits34", "Hits24", "Hits4" (a home run among at least 3 hits) that holds, else
// "none".
std::string_view otherStarCategory(const Batter& batter);

// The category of "homerun.dat" for a batter with 15 or more season home runs: a family ("mult"
// for two or more home runs today, else "1", "2", "3" or "o" by the last digit of the season
// total) followed by the first row that holds ("RBI3B", "RBI2B", "RBI", "3B", "2B"), or the
// family alone ("other" for family "o").
std::string homeRunCategory(const Batter& batter);

// A batting average written as "#.000": three decimals, no digit before the point below 1
// (0.312 gives ".312").
std::string formatAverage(float average);

// Appends the winning team's first star with its season home-run, walks and batting-average
// sentences, then the winning team's second star and the losing team's first star when their
// rating is over 1.99. Without a first star (no batter of the winning team rated above zero)
// his sentences are left out and draw nothing. One draw per phrase, and one for the average
// sentence when it is written. Throws InputError from the phrase files.
void writeBatterParagraphs(const GameRecord& record, ArticleContext& context);

}  // namespace quillbat
