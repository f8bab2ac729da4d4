#include "paper/game_score.h"

#include <algorithm>
#include <cctype>

namespace quillbat {

int outsPitched(std::string_view innings) {
    std::size_t position = 0;
    int whole = 0;
    while (position < innings.size() &&
           std::isdigit(static_cast<unsigned char>(innings[position]))) {
        whole = whole * 10 + (innings[position] - '0');
        ++position;
    }
    if (position == 0) {
        return 0;
    }
    int thirds = 0;
    if (position + 1 < innings.size() && innings[position] == '.' &&
        std::isdigit(static_cast<unsigned char>(innings[position + 1]))) {
        thirds = innings[position + 1] - '0';
    }
    return 3 * whole + thirds;
}

int gameScore(const PitchingLine& line) {
    const int outs = outsPitched(line.innings);
    const int fullInningsAfterTheFourth = std::max(0, outs / 3 - 4);
    // A box that credits more earned runs than runs has no unearned ones.
    const int unearnedRuns = std::max(0, line.runs - line.earnedRuns);
    return 50 + outs + 2 * fullInningsAfterTheFourth + line.strikeouts - 2 * line.hits -
           4 * line.earnedRuns - 2 * unearnedRuns - line.walks;
}

}  // namespace quillbat
