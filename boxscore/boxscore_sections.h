#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "boxscore/game_record.h"

namespace quillbat {

// The stored lines of a boxscore and where the reading loop found its sections in them, by
// line number (line 1 first). The batting stage and the notes scan read the game's batters
// from these after the loop. A section not seen keeps its start value: 0, or 200 for the line
// score and the pitching section; pitchingEndLine is 199 after the first single-blank line
// of the pitching section and that line's number after the second.
struct BoxscoreSections {
    // Every line after the first is stored with each ". " replaced by ", ".
    std::vector<std::string> lines;

    std::int16_t lineScoreHeaderLine = kMaxStoredLines;
    bool fullColumn = false;
    std::int16_t firstFullHeaderLine = 0;
    std::int16_t secondFullHeaderLine = 0;
    std::int16_t battingHeaderLine = 0;
    std::int16_t firstNotesLine = 0;
    std::int16_t weatherLine = 0;
    std::int16_t pitchingHeaderLine = kMaxStoredLines;
    std::int16_t pitchingEndLine = kMaxStoredLines;

    // The stored line n, or an empty text when the boxscore has no line n.
    const std::string& line(int n) const {
        static const std::string none;
        return n >= 1 && n <= lineCount() ? lines[static_cast<std::size_t>(n - 1)] : none;
    }
    int lineCount() const { return static_cast<int>(lines.size()); }
};

}  // namespace quillbat
