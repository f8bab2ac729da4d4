#pragma once

#include <string>
#include <string_view>

#include "boxscore/game_record.h"

namespace quillbat {

// The headline of a game as a newspaper prints it over the line score: the winning team's name
// and runs, then the losing team's ("Ravens 1, Loggers 0"; a tie names the home team first);
// " (N innings)" for a game of more than nine innings; ", Game One" or ", Game Two" for a game
// of a doubleheader. The names are the record's bytes, unescaped.
std::string gameHeadline(const GameRecord& record);

// The same with words in place of the teams and their runs, such as the story's ("Ravens top
// Loggers 1-0 on a wild pitch in ninth"), then the same additions.
std::string gameHeadline(const GameRecord& record, std::string_view words);

}  // namespace quillbat
