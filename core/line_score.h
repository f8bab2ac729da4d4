#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "boxscore/game_record.h"

namespace quillbat {

// Newspapers print the innings of a line score in groups of three.
inline constexpr std::size_t kInningsPerGroup = 3;

// One team's row of a line score, every value as text.
struct LineScoreRow {
    std::string teamName;
    std::vector<std::string> inningCells;  // as the boxscore prints them: "0", "12", "x"
    std::string runs;
    std::string hits;
    std::string errors;
};

// A game's line score: a row per team, every row with the same number of inning cells.
struct LineScore {
    std::size_t innings = 0;
    std::array<LineScoreRow, 2> rows;  // the visitors, then the home team
};

// The line score of a record: its team names, inning cells, runs, hits and errors. Innings is
// the longer of the two teams' cell lists; the other is filled with empty cells.
LineScore lineScoreOf(const GameRecord& record);

// The line score as a newspaper prints it, one line per row, each ending in "\n": a header that
// numbers the innings, then the visitors and the home team. The team names are padded to one
// width; the innings come in groups of three ("010 020 000"), every cell right-aligned to the
// widest inning column (with a blank between cells once one column is wider than one
// character); then R, H and E. Columns count bytes. The values are the row's bytes, unescaped.
std::string lineScoreText(const LineScore& lineScore);

}  // namespace quillbat
