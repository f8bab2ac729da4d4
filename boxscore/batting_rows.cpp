#include "boxscore/batting_rows.h"

#include "boxscore/batter_statistics.h"
#include "boxscore/field_reading.h"
#include "boxscore/input_error.h"

namespace quillbat {
namespace {

// The columns of one batter in a side-by-side half or a full-column row; the home half of a
// side-by-side row lies 42 columns to the right.
struct BatterColumns {
    int offset = 0;
    bool fullColumn = false;
};

Batter& nextBatter(GameRecord& record, Team team, int lineNumber, const std::string& fileName) {
    std::vector<Batter>& batters = record.batters[team];
    if (batters.size() >= kMaxBatters) {
        throw InputError(fileName, lineNumber,
                         team == kVisitors ? "the visitors have more than 50 batting rows"
                                           : "the home team has more than 50 batting rows");
    }
    return batters.emplace_back();
}

void fillBatter(Batter& batter, std::string_view line, BatterColumns columns) {
    const int at = columns.offset;
    batter.batterName = std::string(trimBlanks(fieldAt(line, at + 1, 18)));
    batter.atBats = fieldInt16(fieldAt(line, at + 22, 2));
    batter.runsScored = fieldInt16(fieldAt(line, at + 25, 2));
    batter.batterHits = fieldInt16(fieldAt(line, at + 28, 2));
    batter.runsBattedIn = fieldInt16(fieldAt(line, at + 31, 2));
    if (!columns.fullColumn) {
        batter.average = static_cast<float>(leadingNumber(fieldAt(line, at + 34, 5)));
        return;
    }
    batter.doubles = fieldInt16(fieldAt(line, 34, 2));
    batter.triples = fieldInt16(fieldAt(line, 37, 2));
    batter.homeRuns = fieldInt16(fieldAt(line, 40, 2));
    batter.walks = fieldInt16(fieldAt(line, 43, 2));
    batter.average = static_cast<float>(leadingNumber(fieldAt(line, 67, 5)));
    if (!batter.batterName.empty()) {
        rateBatter(batter);
    }
}

bool holdsVisitor(std::string_view line) {
    return !isAllBlank(fieldAt(line, 1, 18));
}
bool holdsHome(std::string_view line) {
    return !isAllBlank(fieldAt(line, 43, 18));
}

// Calls readRow for every line from first up to the first empty or all-blank line or the
// last stored line.
template <typename ReadRow>
void forEachRow(const BoxscoreSections& sections, int first, ReadRow readRow) {
    for (int n = first; n <= sections.lineCount() && !isAllBlank(sections.line(n)); ++n) {
        readRow(n, std::string_view(sections.line(n)));
    }
}

void readSideBySide(const BoxscoreSections& sections, GameRecord& record,
                    const std::string& fileName) {
    if (sections.battingHeaderLine == 0) {
        return;
    }
    forEachRow(sections, sections.battingHeaderLine + 1, [&](int n, std::string_view line) {
        if (holdsVisitor(line)) {
            fillBatter(nextBatter(record, kVisitors, n, fileName), line, {0, false});
        }
        if (holdsHome(line)) {
            fillBatter(nextBatter(record, kHome, n, fileName), line, {42, false});
        }
    });
}

void readFullColumn(const BoxscoreSections& sections, GameRecord& record,
                    const std::string& fileName) {
    forEachRow(sections, sections.firstFullHeaderLine + 1, [&](int n, std::string_view line) {
        if (holdsVisitor(line)) {
            fillBatter(nextBatter(record, kVisitors, n, fileName), line, {0, true});
        }
    });
    if (sections.secondFullHeaderLine == 0) {
        return;
    }
    // The home block is told by the right half, as in the side-by-side layout, so a row with
    // numbers but no name still takes a slot (without a rating).
    forEachRow(sections, sections.secondFullHeaderLine + 1, [&](int n, std::string_view line) {
        if (holdsHome(line)) {
            fillBatter(nextBatter(record, kHome, n, fileName), line, {0, true});
        }
    });
}

}  // namespace

void readBattingRows(const BoxscoreSections& sections, GameRecord& record,
                     const std::string& fileName) {
    if (sections.fullColumn) {
        readFullColumn(sections, record, fileName);
    } else {
        readSideBySide(sections, record, fileName);
    }
}

}  // namespace quillbat
