#include "boxscore/batting_rows.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "boxscore/input_error.h"
#include "tests/boxscore/boxscore_text.h"

namespace quillbat {
namespace {

using testing::atColumn;

// A record whose stored lines are `lines` (line 1 first), as after the reading loop.
GameRecord recordWithLines(const std::vector<std::string>& lines) {
    GameRecord record;
    record.lines.insert(record.lines.end(), lines.begin(), lines.end());
    return record;
}

// A full-column row: name, then AB R H BI D T HR BB K SB CS IW HP SH SF, then AVG.
std::string fullRow(const std::string& name, const std::vector<int>& counts,
                    const std::string& avg) {
    std::string row = atColumn(std::string(), 1, name);
    for (std::size_t i = 0; i < counts.size(); ++i) {
        std::string count = std::to_string(counts[i]);
        row =
            atColumn(row, 22 + 3 * static_cast<int>(i) + 2 - static_cast<int>(count.size()), count);
    }
    return atColumn(row, 67, avg);
}

const std::string kFullHeader =
    "Riverton             AB  R  H BI  D  T HR BB  K SB CS IW HP SH SF   AVG";

TEST(SideBySideRows, UnequalListsSubstitutesAndSharedTotals) {
    GameRecord r = recordWithLines({
        "Fugitives            AB  R  H BI   AVG    Chain Saw Scalpers   AB  R  H BI   AVG",
        "StrangeGordon     2b  7  0  2  0  .300    Collins,E         2b  6  1  1  0  .182",
        " Berra            ph  3  0  2  0  .750     Wynn,J           ph  2  0  0  0  .333",
        " Majeski          3b  0  0  0  0  .000                         41  2  6  2",
        "Stanton,G         rf  6  1  1  1  .100",
        "                     50  3 12  3",
        " ",
        "Notes after the blank line are no batters  4  1  1  1  .250",
    });
    r.battingHeaderLine = 1;
    readBattingRows(r, "sample.box");
    ASSERT_EQ(std::tuple(r.batterCount[kVisitors], r.batterCount[kHome]), std::tuple(5, 3));
    // Side-by-side rows are rated only from the notes.
    const Batter& gordon = r.batters[kVisitors][1];
    EXPECT_EQ(std::tuple(gordon.batterName, gordon.atBats, gordon.batterHits, gordon.average,
                         gordon.rating),
              std::tuple("StrangeGordon", 7, 2, 0.3f, 0.0f));
    EXPECT_EQ(std::tuple(r.batters[kVisitors][2].batterName, r.batters[kVisitors][4].batterName,
                         r.batters[kVisitors][5].batterName),
              std::tuple("Berra", "Stanton,G", ""));
    EXPECT_EQ(std::tuple(r.batters[kHome][1].batterName, r.batters[kHome][1].runsScored,
                         r.batters[kHome][2].batterName, r.batters[kHome][2].average),
              std::tuple("Collins,E", 1, "Wynn,J", 0.333f));
}

TEST(SideBySideRows, NoHeaderNoBattersAndABlockReachingTheLastLineEndsThere) {
    const std::string row =
        "Ned Pike cf           4  1  2  1  .301    Al Harlan ss          4  2  3  2  .288";
    GameRecord none = recordWithLines({row});
    readBattingRows(none, "x.box");
    EXPECT_EQ(std::tuple(none.batterCount[kVisitors], none.batterCount[kHome]), std::tuple(1, 1));
    GameRecord r = recordWithLines(
        {"Riverton             AB  R  H BI   AVG    Harbor City          AB  R  H BI   AVG", row});
    r.battingHeaderLine = 1;
    readBattingRows(r, "x.box");
    EXPECT_EQ(std::tuple(r.batterCount[kVisitors], r.batters[kHome][1].runsBattedIn,
                         r.batters[kHome][1].average),
              std::tuple(2, 2, 0.288f));
}

TEST(FullColumnRows, ReadEveryColumnAndRateAtOnce) {
    GameRecord r = recordWithLines({
        kFullHeader,
        fullRow("Ned Pike      cf", {4, 1, 3, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0}, " .301"),
        fullRow("Sam Ocampo    2b", {4, 0, 0, 0, 0, 0, 0, 0, 2, 0, 0, 0, 0, 0, 0}, " .254"),
        fullRow("Gil Brandt    1b", {5, 2, 3, 4, 1, 1, 1, 2, 0, 1, 0, 0, 0, 0, 0}, " .333"),
        " ",
        "Harbor City          AB  R  H BI  D  T HR BB  K SB CS IW HP SH SF   AVG",
        fullRow("Al Harlan     ss", {4, 2, 3, 2, 1, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0}, " .288"),
        fullRow("", {33, 4, 9, 4, 2, 0, 1, 3, 5, 0, 0, 0, 0, 0, 0}, ""),
        "",
    });
    r.fullColumn = true;
    r.firstFullHeaderLine = 1;
    r.secondFullHeaderLine = 6;
    readBattingRows(r, "x.box");
    ASSERT_EQ(std::tuple(r.batterCount[kVisitors], r.batterCount[kHome]), std::tuple(4, 3));
    const Batter& pike = r.batters[kVisitors][1];
    EXPECT_EQ(std::tuple(pike.batterName, pike.average), std::tuple("Ned Pike      cf", 0.301f));
    EXPECT_FLOAT_EQ(pike.rating, 1.3432f);  // three singles in four at-bats
    EXPECT_FLOAT_EQ(r.batters[kVisitors][2].rating, -0.3872f);
    const Batter& brandt = r.batters[kVisitors][3];
    EXPECT_EQ(std::tuple(brandt.runsBattedIn, brandt.doubles, brandt.triples, brandt.homeRuns,
                         brandt.walks, brandt.seasonHomeRuns),
              std::tuple(4, 1, 1, 1, 2, 0));
    // 0.16 x (2 x (3 + 1 + 2 + 3 + 2) + 3 - 0.605 x 2)
    EXPECT_FLOAT_EQ(brandt.rating, static_cast<float>(0.16 * (25 - 0.605 * 2)));
    EXPECT_EQ(r.batters[kHome][1].batterName, "Al Harlan     ss");
    // The home totals row has numbers in columns 43-60 but no name: a slot without a rating.
    EXPECT_EQ(std::tuple(r.batters[kHome][2].batterName, r.batters[kHome][2].atBats,
                         r.batters[kHome][2].rating),
              std::tuple("", 33, 0.0f));
}

TEST(FullColumnRows, SingleHeaderGivesTheHomeTeamNoBatters) {
    GameRecord r = recordWithLines({
        kFullHeader,
        fullRow("Ned Pike", {4, 1, 3, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0}, " .301"),
    });
    r.fullColumn = true;
    r.firstFullHeaderLine = 1;
    readBattingRows(r, "x.box");
    EXPECT_EQ(std::tuple(r.batterCount[kVisitors], r.batterCount[kHome]), std::tuple(2, 1));
}

TEST(FullColumnRows, FiftyOneRowsAreRefused) {
    std::vector<std::string> lines{kFullHeader};
    for (int i = 0; i < 51; ++i) {
        lines.push_back(
            fullRow("B" + std::to_string(i), {1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, ""));
    }
    GameRecord r = recordWithLines(lines);
    r.fullColumn = true;
    r.firstFullHeaderLine = 1;
    try {
        readBattingRows(r, "x.box");
        FAIL() << "51 batters were accepted";
    } catch (const InputError& refused) {
        EXPECT_STREQ(refused.what(), "x.box: line 52: the visitors have more than 50 batting rows");
    }
}

}  // namespace
}  // namespace quillbat
