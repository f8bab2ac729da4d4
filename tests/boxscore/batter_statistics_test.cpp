#include "boxscore/batter_statistics.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace quillbat {
namespace {

struct Row {
    std::string name;
    std::int16_t atBats, hits;
};

// A side-by-side record with the visitors' batters `rows`, the home batters `homeRows`, and
// the notes lines as lines 1..n (firstNotesLine 1, weatherLine n).
GameRecord notesRecord(const std::vector<Row>& rows, const std::vector<std::string>& notes,
                       const std::vector<Row>& homeRows = {}) {
    GameRecord record;
    record.lines.insert(record.lines.end(), notes.begin(), notes.end());
    record.firstNotesLine = 1;
    record.weatherLine = static_cast<std::int16_t>(notes.size());
    auto fill = [&](int team, const std::vector<Row>& batters) {
        for (const Row& row : batters) {
            record.batters[team][static_cast<std::size_t>(record.batterCount[team]++)] =
                Batter{.batterName = row.name, .atBats = row.atBats, .batterHits = row.hits};
        }
    };
    fill(kVisitors, rows);
    fill(kHome, homeRows);
    return record;
}

// Slot `number` of `team` after the statistics are completed from the notes.
const Batter& slot(const GameRecord& record, int team, int number) {
    return record.batters[team][static_cast<std::size_t>(number)];
}

TEST(Rating, FollowsTheFormula) {
    const struct {
        std::int16_t atBats, hits, doubles, triples, homeRuns, walks;
        float rating;
    } cases[] = {
        {4, 2, 2, 0, 0, 0, 1.4064f},
        {3, 1, 1, 0, 0, 0, 0.6064f},
        {4, 3, 0, 0, 0, 0, 1.3432f},
        {4, 0, 0, 0, 0, 0, -0.3872f},
        {0, 0, 0, 0, 0, 0, 0.0f},
        {0, 0, 0, 0, 0, 1, 0.32f},
        {5, 4, 0, 1, 3, 0, static_cast<float>(0.16 * (2 * (4 + 2 + 9) + 4 - 0.605))},
        // Huge counts stay within sixteen bits.
        {-32768, 32767, 0, 0, 32767, 0, static_cast<float>(0.16 * (32767 - 0.605 * -32768))},
    };
    for (const auto& c : cases) {
        Batter batter{.batterName = "",
                      .atBats = c.atBats,
                      .batterHits = c.hits,
                      .doubles = c.doubles,
                      .triples = c.triples,
                      .homeRuns = c.homeRuns,
                      .walks = c.walks};
        rateBatter(batter);
        EXPECT_FLOAT_EQ(batter.rating, c.rating) << c.atBats << " " << c.hits;
    }
}

TEST(Notes, SmithAndJones) {
    GameRecord r = notesRecord({{"Smith", 4, 2}, {"Jones", 3, 1}},
                               {"2B-Smith 2(15), Jones(3), RBI-Smith 2(40)"});
    completeBatterStatistics(r);
    const Batter& smith = slot(r, kVisitors, 1);
    EXPECT_EQ(std::tuple(smith.doubles, smith.seasonDoubles, smith.runsBattedIn,
                         smith.seasonRunsBattedIn),
              std::tuple(2, 15, 2, 40));
    EXPECT_FLOAT_EQ(smith.rating, 1.4064f);
    const Batter& jones = slot(r, kVisitors, 2);
    EXPECT_EQ(std::tuple(jones.doubles, jones.seasonDoubles), std::tuple(1, 3));
    EXPECT_FLOAT_EQ(jones.rating, 0.6064f);
    EXPECT_EQ(std::tuple(r.firstStar[kVisitors], r.secondStar[kVisitors], r.firstStar[kHome]),
              std::tuple(1, 2, 50));
}

TEST(Notes, EntryForms) {
    // The counts a single notes line gives the batter "Smith".
    const struct {
        std::string notes;
        int doubles, seasonDoubles, walks;
    } cases[] = {
        {"2B-Smith 2(15)", 2, 15, 0},
        {"2B-Smith(3)", 1, 3, 0},
        {"2B-Smith (3)", 1, 3, 0},
        {"2B-Smith 12(15)", 12, 15, 0},
        {"2B-Smith 2", 2, 0, 0},
        {"2B-Smith", 1, 0, 0},
        {"2B-Smith 2 (15)", 0, 0, 0},  // the name read is "Smith 2"
        {"2B-Smith2(15)", 0, 0, 0},    // no blank before the count: no name
        {"2B-Smith.", 1, 0, 0},        // a line end that lost its blank
        {"2B-Smith 2(15).", 2, 15, 0},
        {"2B-Jones, Smith", 1, 0, 0},
        {"IBB-Smith", 0, 0, 0},  // opens the walks with "-Smith"
        {"BB-Smith 3", 0, 0, 3},
        {"E-Smith, Jones", 0, 0, 0},  // other lists are not applied
        {"2B-Jones, E-Smith", 0, 0, 0},
        {"2B-(4)", 0, 0, 0},   // "(" at the first character
        {"2B-2(4)", 0, 0, 0},  // "(" at the second character
        {"2B-(", 0, 0, 0},
        {"2B-Smith(", 1, 0, 0},
        {"2B-", 0, 0, 0},
        {"2B", 0, 0, 0},
    };
    for (const auto& c : cases) {
        GameRecord r = notesRecord({{"Smith", 4, 1}, {"Jones", 3, 1}}, {c.notes});
        completeBatterStatistics(r);
        const Batter& smith = slot(r, kVisitors, 1);
        EXPECT_EQ(std::tuple(smith.doubles, smith.seasonDoubles, smith.walks),
                  std::tuple(c.doubles, c.seasonDoubles, c.walks))
            << c.notes;
    }
}

TEST(Notes, AListRunsOnAcrossLinesAndTheScanStopsAtTheWeatherLine) {
    GameRecord r =
        notesRecord({{"Smith", 4, 1}, {"Jones", 3, 1}, {"Brown", 4, 1}, {"Green", 4, 1}},
                    {"2B-Smith, ", "Jones 2, HR-Brown(9), ", "Temperature: 72, ", "Green"});
    r.weatherLine = 3;
    completeBatterStatistics(r);
    EXPECT_EQ(std::tuple(slot(r, kVisitors, 1).doubles, slot(r, kVisitors, 2).doubles,
                         slot(r, kVisitors, 3).homeRuns, slot(r, kVisitors, 3).seasonHomeRuns,
                         slot(r, kVisitors, 4).homeRuns),
              std::tuple(1, 2, 1, 9, 0));
}

TEST(Notes, ASecondListOfTheSameKindStartsAgainAtItsFirstItem) {
    GameRecord r =
        notesRecord({{"Smith", 4, 1}, {"Jones", 3, 1}}, {"2B-Smith 2, Jones 2, E-Brown, 2B-Smith"});
    completeBatterStatistics(r);
    // Both lists filled item 0; the second overwrote it, item 1 of the first stays.
    EXPECT_EQ(std::tuple(slot(r, kVisitors, 1).doubles, slot(r, kVisitors, 2).doubles),
              std::tuple(1, 2));
}

TEST(Notes, OnlyTheFirstThirtyOneItemsApply) {
    std::string walks = "BB-";
    for (int i = 0; i < 120; ++i) {
        walks += "N" + std::to_string(i) + "x, ";
    }
    GameRecord r = notesRecord({{"N30x", 4, 1}, {"N31x", 4, 1}, {"N110x", 4, 1}}, {walks});
    completeBatterStatistics(r);
    EXPECT_EQ(std::tuple(slot(r, kVisitors, 1).walks, slot(r, kVisitors, 2).walks,
                         slot(r, kVisitors, 3).walks),
              std::tuple(1, 0, 0));
}

TEST(Notes, EveryBatterOfTheNameOnBothTeams) {
    GameRecord r =
        notesRecord({{"Smith", 4, 1}, {"Smith", 2, 0}}, {"HR-Smith(4)"}, {{"Smith", 3, 1}});
    completeBatterStatistics(r);
    EXPECT_EQ(std::tuple(slot(r, kVisitors, 1).homeRuns, slot(r, kVisitors, 2).homeRuns,
                         slot(r, kHome, 1).homeRuns, slot(r, kHome, 1).seasonHomeRuns),
              std::tuple(1, 1, 1, 4));
}

TEST(Notes, WhichLinesAreScanned) {
    // No notes line: the scan starts at line 1. No weather line, or the full-column layout
    // (whose rows hold every count): no scan at all.
    const struct {
        int firstNotesLine, weatherLine;
        bool fullColumn;
        int walks;
    } cases[] = {{1, 2, false, 1}, {0, 2, false, 1}, {1, 0, false, 0}, {1, 2, true, 0}};
    for (const auto& c : cases) {
        GameRecord r = notesRecord({{"Smith", 4, 1}}, {"BB-Smith", "Temperature: 70"});
        r.firstNotesLine = static_cast<std::int16_t>(c.firstNotesLine);
        r.weatherLine = static_cast<std::int16_t>(c.weatherLine);
        r.fullColumn = c.fullColumn;
        completeBatterStatistics(r);
        EXPECT_EQ(slot(r, kVisitors, 1).walks, c.walks)
            << c.firstNotesLine << " " << c.weatherLine << " " << c.fullColumn;
    }
}

TEST(Stars, StrictlyGreaterWinsAndTiesKeepTheEarlierSlot) {
    const struct {
        std::vector<float> ratings;
        int first, second;
    } cases[] = {
        {{}, 50, 50},
        {{0.0f, -0.4f}, 50, 50},
        {{0.5f}, 1, 50},
        {{0.5f, 0.5f}, 1, 2},
        {{0.5f, 1.0f}, 2, 1},
        {{1.0f, 0.5f, 0.7f}, 1, 3},
        {{0.2f, 0.7f, 0.7f, 0.3f}, 2, 3},
        {{0.1f, 0.2f, 0.3f}, 3, 2},
    };
    for (const auto& c : cases) {
        GameRecord record;
        for (std::size_t i = 0; i < c.ratings.size(); ++i) {
            record.batters[kHome][i + 1].rating = c.ratings[i];
        }
        chooseStars(record);
        EXPECT_EQ(std::tuple(record.firstStar[kHome], record.secondStar[kHome]),
                  std::tuple(c.first, c.second))
            << ::testing::PrintToString(c.ratings);
    }
}

}  // namespace
}  // namespace quillbat
