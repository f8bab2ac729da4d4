#pragma once

#include <istream>
#include <string>
#include <string_view>

#include "boxscore/game_record.h"

namespace quillbat {

// The longest line a boxscore may hold; a longer one means the file is not a boxscore, and
// reading stops there instead of taking the whole file into memory.
inline constexpr std::size_t kMaxLineLength = 1000000;

// Reads a whole boxscore into a fresh game record: the game label from fileName, the reading
// loop up to and including the first line that holds a form feed, the winner and loser, the
// batting stage, the batter statistics and the stars. fileName names the file as the user chose
// it; it gives the game label and names the file in refusals.
//
// Throws InputError (and returns no record) when the boxscore needs more than 200 lines before
// its form feed or end, holds a line longer than kMaxLineLength, has no line score, has a
// line-score header whose innings are not a number, or gives a team more than 50 batters.
//
// The stream version reads no further than the first line past the 200th and never more than
// kMaxLineLength + 1 bytes of one line; bytes after the game's end are not read.
GameRecord readBoxscore(std::istream& in, const std::string& fileName);
GameRecord readBoxscore(std::string_view text, const std::string& fileName);

}  // namespace quillbat
