#include "boxscore/batter_statistics.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quillbat {
namespace {

struct Row {
    std::string name;
    int atBats;
    int hits;
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
            Batter& batter =
                record.batters[team][static_cast<std::size_t>(record.batterCount[team]++)];
            batter.batterName = row.name;
            batter.atBats = static_cast<std::int16_t>(row.atBats);
            batter.batterHits = static_cast<std::int16_t>(row.hits);
        }
    };
    fill(kVisitors, rows);
    fill(kHome, homeRows);
    return record;
}

const Batter& slot(const GameRecord& record, int team, int number) {
    return record.batters[team][static_cast<std::size_t>(number)];
}

TEST(Rating, FollowsTheFormula) {
    struct Case {
        int atBats, hits, doubles, triples, homeRuns, walks;
        float rating;
    };
    const Case cases[] = {
        {4, 2, 2, 0, 0, 0, 1.4064f},
        {3, 1, 1, 0, 0, 0, 0.6064f},
        {4, 3, 0, 0, 0, 0, 1.3432f},
        {4, 0, 0, 0, 0, 0, -0.3872f},
        {0, 0, 0, 0, 0, 0, 0.0f},
        {0, 0, 0, 0, 0, 1, 0.32f},
        {5, 4, 0, 1, 3, 0, static_cast<float>(0.16 * (2 * (4 + 2 + 9) + 4 - 0.605))},
    };
    for (const Case& c : cases) {
        Batter batter;
        batter.atBats = static_cast<std::int16_t>(c.atBats);
        batter.batterHits = static_cast<std::int16_t>(c.hits);
        batter.doubles = static_cast<std::int16_t>(c.doubles);
        batter.triples = static_cast<std::int16_t>(c.triples);
        batter.homeRuns = static_cast<std::int16_t>(c.homeRuns);
        batter.walks = static_cast<std::int16_t>(c.walks);
        rateBatter(batter);
        EXPECT_FLOAT_EQ(batter.rating, c.rating) << c.atBats << " " << c.hits;
    }
}

TEST(Rating, HugeCountsStayWithinSixteenBits) {
    Batter batter;
    batter.batterHits = 32767;
    batter.homeRuns = 32767;
    batter.atBats = -32768;
    rateBatter(batter);
    EXPECT_FLOAT_EQ(batter.rating, static_cast<float>(0.16 * (32767 - 0.605 * -32768)));
}

TEST(Notes, SmithAndJones) {
    GameRecord r = notesRecord({{"Smith", 4, 2}, {"Jones", 3, 1}},
                               {"2B-Smith 2(15), Jones(3), RBI-Smith 2(40)"});
    completeBatterStatistics(r);
    const Batter& smith = slot(r, kVisitors, 1);
    EXPECT_EQ(smith.doubles, 2);
    EXPECT_EQ(smith.seasonDoubles, 15);
    EXPECT_EQ(smith.runsBattedIn, 2);
    EXPECT_EQ(smith.seasonRunsBattedIn, 40);
    EXPECT_FLOAT_EQ(smith.rating, 1.4064f);
    const Batter& jones = slot(r, kVisitors, 2);
    EXPECT_EQ(jones.doubles, 1);
    EXPECT_EQ(jones.seasonDoubles, 3);
    EXPECT_FLOAT_EQ(jones.rating, 0.6064f);
    EXPECT_EQ(r.firstStar[kVisitors], 1);
    EXPECT_EQ(r.secondStar[kVisitors], 2);
    EXPECT_EQ(r.firstStar[kHome], 50);
}

// The counts a single notes line gives the batter "Smith" (doubles, season doubles, walks).
struct EntryCase {
    std::string notes;
    int doubles;
    int seasonDoubles;
    int walks;
};

TEST(Notes, EntryForms) {
    const EntryCase cases[] = {
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
    for (const EntryCase& c : cases) {
        GameRecord r = notesRecord({{"Smith", 4, 1}, {"Jones", 3, 1}}, {c.notes});
        completeBatterStatistics(r);
        const Batter& smith = slot(r, kVisitors, 1);
        EXPECT_EQ(smith.doubles, c.doubles) << c.notes;
        EXPECT_EQ(smith.seasonDoubles, c.seasonDoubles) << c.notes;
        EXPECT_EQ(smith.walks, c.walks) << c.notes;
    }
}

TEST(Notes, AListRunsOnAcrossLinesAndTheScanStopsAtTheWeatherLine) {
    GameRecord r =
        notesRecord({{"Smith", 4, 1}, {"Jones", 3, 1}, {"Brown", 4, 1}, {"Green", 4, 1}},
                    {"2B-Smith, ", "Jones 2, HR-Brown(9), ", "Temperature: 72, ", "Green"});
    r.weatherLine = 3;
    completeBatterStatistics(r);
    EXPECT_EQ(slot(r, kVisitors, 1).doubles, 1);
    EXPECT_EQ(slot(r, kVisitors, 2).doubles, 2);
    EXPECT_EQ(slot(r, kVisitors, 3).homeRuns, 1);
    EXPECT_EQ(slot(r, kVisitors, 3).seasonHomeRuns, 9);
    EXPECT_EQ(slot(r, kVisitors, 4).homeRuns, 0);
}

TEST(Notes, ASecondListOfTheSameKindStartsAgainAtItsFirstItem) {
    GameRecord r =
        notesRecord({{"Smith", 4, 1}, {"Jones", 3, 1}}, {"2B-Smith 2, Jones 2, E-Brown, 2B-Smith"});
    completeBatterStatistics(r);
    // Both lists filled item 0; the second overwrote it, item 1 of the first stays.
    EXPECT_EQ(slot(r, kVisitors, 1).doubles, 1);
    EXPECT_EQ(slot(r, kVisitors, 2).doubles, 2);
}

TEST(Notes, OnlyTheFirstThirtyOneItemsApply) {
    std::string walks = "BB-";
    for (int i = 0; i < 120; ++i) {
        walks += "N" + std::to_string(i) + "x, ";
    }
    GameRecord r = notesRecord({{"N30x", 4, 1}, {"N31x", 4, 1}, {"N110x", 4, 1}}, {walks});
    completeBatterStatistics(r);
    EXPECT_EQ(slot(r, kVisitors, 1).walks, 1);
    EXPECT_EQ(slot(r, kVisitors, 2).walks, 0);
    EXPECT_EQ(slot(r, kVisitors, 3).walks, 0);
}

TEST(Notes, EveryBatterOfTheNameOnBothTeams) {
    GameRecord r =
        notesRecord({{"Smith", 4, 1}, {"Smith", 2, 0}}, {"HR-Smith(4)"}, {{"Smith", 3, 1}});
    completeBatterStatistics(r);
    EXPECT_EQ(slot(r, kVisitors, 1).homeRuns, 1);
    EXPECT_EQ(slot(r, kVisitors, 2).homeRuns, 1);
    EXPECT_EQ(slot(r, kHome, 1).homeRuns, 1);
    EXPECT_EQ(slot(r, kHome, 1).seasonHomeRuns, 4);
}

TEST(Notes, NoNotesLineScansFromTheFirstLineAndNoWeatherLineScansNothing) {
    GameRecord r = notesRecord({{"Smith", 4, 1}}, {"BB-Smith", "Temperature: 70"});
    r.firstNotesLine = 0;
    completeBatterStatistics(r);
    EXPECT_EQ(slot(r, kVisitors, 1).walks, 1);
    GameRecord none = notesRecord({{"Smith", 4, 1}}, {"BB-Smith"});
    none.weatherLine = 0;
    completeBatterStatistics(none);
    EXPECT_EQ(slot(none, kVisitors, 1).walks, 0);
}

TEST(Notes, FullColumnLayoutReadsNoNotes) {
    GameRecord r = notesRecord({{"Smith", 4, 1}}, {"BB-Smith"});
    r.fullColumn = true;
    completeBatterStatistics(r);
    EXPECT_EQ(slot(r, kVisitors, 1).walks, 0);
}

TEST(Stars, StrictlyGreaterWinsAndTiesKeepTheEarlierSlot) {
    struct Case {
        std::vector<float> ratings;
        int first;
        int second;
    };
    const Case cases[] = {
        {{}, 50, 50},
        {{0.0f, -0.4f}, 50, 50},
        {{0.5f}, 1, 50},
        {{0.5f, 0.5f}, 1, 2},
        {{0.5f, 1.0f}, 2, 1},
        {{1.0f, 0.5f, 0.7f}, 1, 3},
        {{0.2f, 0.7f, 0.7f, 0.3f}, 2, 3},
        {{0.1f, 0.2f, 0.3f}, 3, 2},
    };
    for (const Case& c : cases) {
        GameRecord record;
        for (std::size_t i = 0; i < c.ratings.size(); ++i) {
            record.batters[kHome][i + 1].rating = c.ratings[i];
        }
        chooseStars(record);
        EXPECT_EQ(record.firstStar[kHome], c.first) << c.ratings.size();
        EXPECT_EQ(record.secondStar[kHome], c.second) << c.ratings.size();
    }
}

}  // namespace
}  // namespace quillbat
