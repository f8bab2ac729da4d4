#pragma once

#include <string>

#include "boxscore/game_record.h"

namespace quillbat {

// The headline of a game as a newspaper prints it over the line score: the winning team's name
// and runs, then the losing team's ("Ravens 1, Loggers 0"; a tie names the home team first);
// " (N innings)" for a game of more than nine innings; ", Game One" or ", Game Two" for a game
// of a doubleheader. The names are the record's bytes, unescaped.
std::string gameHeadline(const GameRecord& record);

}  // namespace quillbat
