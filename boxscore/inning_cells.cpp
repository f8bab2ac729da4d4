#include "boxscore/inning_cells.h"

#include <algorithm>
#include <optional>
#include <string_view>

#include "boxscore/field_reading.h"

namespace quillbat {
namespace {

constexpr int kInningsPerBlock = 12;
constexpr int kLinesPerBlock = 4;  // the header, the two team rows and a blank line

// The k-th inning column (from 1) of a line-score line: three characters, the number or the
// cell right-aligned in them.
std::string_view inningColumn(std::string_view line, int k) {
    return fieldAt(line, 20 + 3 * k, 3);
}

// The inning a header prints in its k-th inning column; nothing when the column holds no
// whole number (the blanks before "R", or a line that is no header).
std::optional<int> headerInning(std::string_view header, int k) {
    std::string_view field = trimBlanks(inningColumn(header, k));
    if (field.empty() ||
        !std::all_of(field.begin(), field.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    return static_cast<int>(leadingNumber(field));
}

}  // namespace

void readInningCells(const BoxscoreSections& sections, GameRecord& record) {
    const auto innings = static_cast<std::size_t>(std::max<int>(record.innings, 0));
    for (Team team : kTeams) {
        record.inningCells[team].assign(innings, std::string{});
    }
    // From the last block, which holds the totals, back to the first: each block before it
    // numbers the twelve innings before the first one of the block after it.
    std::optional<int> nextBlockStart;
    for (int header = sections.lineScoreHeaderLine; header >= 1; header -= kLinesPerBlock) {
        const std::string& headerLine = sections.line(header);
        const std::optional<int> blockStart = headerInning(headerLine, 1);
        if (!blockStart || (nextBlockStart && *blockStart != *nextBlockStart - kInningsPerBlock)) {
            return;
        }
        // A block of a wrapped line score numbers twelve innings; a line score in one block
        // numbers them all.
        for (int k = 1;; ++k) {
            const std::optional<int> inning = headerInning(headerLine, k);
            if (!inning) {
                break;
            }
            if (*inning < 1 || static_cast<std::size_t>(*inning) > innings) {
                continue;
            }
            for (Team team : kTeams) {
                record.inningCells[team][static_cast<std::size_t>(*inning - 1)] = std::string(
                    trimBlanks(inningColumn(sections.line(header + teamNumber(team)), k)));
            }
        }
        nextBlockStart = blockStart;
    }
}

}  // namespace quillbat
