#pragma once

#include <string>

#include "boxscore/boxscore_sections.h"
#include "boxscore/game_record.h"

namespace quillbat {

// The batting stage: fills both teams' batters from the stored lines and sections the reading
// loop found.
//
// Side-by-side layout (fullColumn false): the rows after battingHeaderLine up to the first
// empty or all-blank line; the left half of a row is a visitors' batter when columns 1-18 are not
// all blank, the right half a home batter when columns 43-60 are not all blank. Without a batting
// header neither team gets batters.
//
// Full-column layout: the visitors' rows after firstFullHeaderLine and the home rows after
// secondFullHeaderLine, each block up to the first empty or all-blank line; every batter with a
// name is rated as soon as it is read. Without a second header the home team gets no batters.
//
// A block that reaches the last stored line ends there. Throws InputError naming fileName and
// the line when a team would get more than 50 batters; the record is then partly filled.
void readBattingRows(const BoxscoreSections& sections, GameRecord& record,
                     const std::string& fileName);

}  // namespace quillbat
