#pragma once

#include "boxscore/boxscore_sections.h"
#include "boxscore/game_record.h"

namespace quillbat {

// Fills record.inningCells from the line score among the stored lines: for every inning from 1
// up to record.innings (none when it is 0 or less), the text each team row prints under that
// inning's number in a header, trimmed ("0", "12", "x"). The line score is the block whose
// header is sections.lineScoreHeaderLine (all innings, when it numbers them all) and, for a
// line score the game wrapped, the blocks of twelve innings four lines above it, one above the
// other, each a header numbering its innings and the two team rows below it. A cell no header
// numbers stays empty. Reads only the stored lines; never throws.
void readInningCells(const BoxscoreSections& sections, GameRecord& record);

}  // namespace quillbat
