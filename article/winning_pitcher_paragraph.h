#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "article/article_context.h"
#include "boxscore/game_record.h"

namespace quillbat {

// The category of "pitch_won.dat" for the winner's season record, first that holds: "twenty"
// (over 19 wins), "great" (wins exceed losses by over 10), "gap" (by over 5), "dismal" (losses
// exceed wins by over 10), "above" (one game over with more than 3 wins), "raises" (more wins
// than losses and over 5 wins), "evens", else "normal".
std::string_view winnerRecordCategory(std::int16_t wins, std::int16_t losses);

// The leading number of an innings-pitched text ("6.2" gives 6.2); 0 when it has none.
double inningsPitchedNumber(std::string_view inningsText);

// Innings pitched with the digit after the point as thirds: "6.2" gives 6 + 2 x 0.33333. A text
// without a point is its leading number; an empty or non-numeric text gives 0.
double inningsValue(std::string_view inningsText);

// The adjective before a season ERA in the ERA sentence ("a stellar " for 1.5 to 1.7499);
// empty from 3.5 on.
std::string_view eraAdjective(double era);

// An earned run average written as "#0.00": at least one digit before the point, two after.
std::string formatEra(double era);

// Appends the "pitch_won.dat" phrase, then at most one sentence each on the outing, on the
// strikeouts or pitch count, and on the lowered season ERA. Draws for the phrase, then once
// more only when the ERA sentence is written (never when the innings value is 0).
// Throws InputError from the phrase file.
void writeWinningPitcherParagraph(const GameRecord& record, ArticleContext& context);

}  // namespace quillbat
