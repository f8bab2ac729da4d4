#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "article/article_context.h"
#include "boxscore/game_record.h"

namespace quillbat {

// The category of "pitch_lost.dat" for the loser's season record, first that holds: "gap" (wins
// exceed losses by over 5), "dismal" (losses exceed wins by over 5), "below" (one game under with
// more than 3 wins), "falls" (more losses than wins and over 5 losses), "evens", else "normal".
std::string_view loserRecordCategory(std::int16_t wins, std::int16_t losses);

// The category of "pitch_save.dat": "20" over 20 saves, "10" over 10, "0" over 0; none for a
// count of 0 or less.
std::optional<std::string_view> saveCategory(std::int16_t saves);

// The saves as the save phrase writes them: over 20 as an ordinal ("21st", "22nd", "23rd",
// "24th", "30th", see ordinalNumber), otherwise bare digits ("15").
std::string savesText(std::int16_t saves);

// Appends the loser's phrase from "pitch_lost.dat" (always), then, when the game had a saving
// pitcher with at least one save, his phrase from "pitch_save.dat". Draws once per phrase.
// Throws InputError from the phrase files.
void writeLosingPitcherParagraphs(const GameRecord& record, ArticleContext& context);

}  // namespace quillbat
