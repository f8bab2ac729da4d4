#include "boxscore/batter_statistics.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace quillbat {
namespace {

// At-bats, hits, doubles, triples, home runs, walks, rating; the bracket and AB - H are kept at
// the 16-bit bounds.
TEST(Rating, FollowsTheFormulaInSixteenBits) {
    using Row = std::tuple<std::int16_t, std::int16_t, std::int16_t, std::int16_t, std::int16_t,
                           std::int16_t, double>;
    const Row cases[] = {
        {4, 2, 2, 0, 0, 0, 1.4064},
        {5, 4, 0, 1, 3, 1, 0.16 * (2 * (4 + 2 + 9 + 1) + 4 - 0.605)},
        {-32768, 32767, 0, 0, 32767, 0, 0.16 * (32767 - 0.605 * -32768)},
        {32767, -32768, 0, 0, 0, 0, 0.16 * (-32768 - 0.605 * 32767)},
    };
    for (const auto& [atBats, hits, doubles, triples, homeRuns, walks, rating] : cases) {
        Batter batter{"", atBats, 0, hits, 0, 0, doubles, triples, homeRuns, walks};
        rateBatter(batter);
        EXPECT_FLOAT_EQ(batter.rating, static_cast<float>(rating)) << atBats << " " << hits;
    }
}

// Both teams with one batter of each name, 1 for 4, after a side-by-side box's notes: `notes`
// stand as lines 1..n and run from line `first` through line `weather` (the last unless given).
GameRecord afterNotes(const std::vector<std::string>& names, const std::vector<std::string>& notes,
                      int first = 1, int weather = -1) {
    BoxscoreSections sections;
    sections.lines = notes;
    sections.firstNotesLine = static_cast<std::int16_t>(first);
    sections.weatherLine =
        static_cast<std::int16_t>(weather < 0 ? static_cast<int>(notes.size()) : weather);
    GameRecord record;
    for (const std::string& name : names) {
        record.batters[kVisitors].push_back({name, 4, 0, 1});
        record.batters[kHome].push_back({name, 4, 0, 1});
    }
    completeBatterStatistics(sections, record);
    return record;
}

// What one notes line gives the batter "Smith": doubles, season doubles, walks.
TEST(Notes, EntryForms) {
    using Counts = std::tuple<int, int, int>;
    const std::pair<const char*, Counts> cases[] = {
        {"2B-Smith 2(15)", {2, 15, 0}},   {"2B-Smith(3)", {1, 3, 0}},
        {"2B-Smith 12(15)", {12, 15, 0}}, {"2B-Smith 2", {2, 0, 0}},
        {"2B-Smith", {1, 0, 0}},          {"2B-Smith2(15)", {0, 0, 0}},
        {"2B-Smith 2(15).", {2, 15, 0}},  {"2B-Jones, Smith", {1, 0, 0}},
        {"BB-Smith 3", {0, 0, 3}},        {"E-Smith, Jones", {0, 0, 0}},
        {"2B-Jones, E-Smith", {0, 0, 0}}, {"2B-(4)", {0, 0, 0}},
        {"2B-2(4)", {0, 0, 0}},           {"2B-Smith(", {1, 0, 0}},
    };
    for (const auto& [notes, counts] : cases) {
        const Batter smith = afterNotes({"Smith", "Jones"}, {notes}).batters[kVisitors][0];
        EXPECT_EQ(Counts(smith.doubles, smith.seasonDoubles, smith.walks), counts) << notes;
    }
}

// A list runs on across line ends; a second list of a kind starts again at its first item; only
// items 0 to 30 of a list apply; every batter of the name on both teams takes the counts.
TEST(Notes, ListsAcrossLinesAndTheirBounds) {
    std::string walks = "BB-";
    for (int i = 0; i < 120; ++i) {
        walks += "N" + std::to_string(i) + "x, ";
    }
    const GameRecord r =
        afterNotes({"Smith", "Jones", "Brown", "N30x", "N31x", "N110x"},
                   {"2B-Smith 2, ", "Jones 2, HR-Brown(9), ", walks, "E-Brown, 2B-Smith"});
    const std::vector<Batter>& b = r.batters[kVisitors];
    EXPECT_EQ(std::tuple(b[0].doubles, b[1].doubles, b[2].homeRuns, b[2].seasonHomeRuns,
                         r.batters[kHome][2].homeRuns, b[3].walks, b[4].walks, b[5].walks),
              std::tuple(1, 2, 1, 9, 1, 1, 0, 0));
}

// No notes line found: the scan starts at line 1. It ends with the weather line; without one
// nothing is scanned.
TEST(Notes, TheScanRunsFromTheFirstNotesLineThroughTheWeatherLine) {
    const std::vector<std::string> notes = {"BB-Smith", "Temperature: 70", "BB-Smith 3"};
    auto walks = [&](int first, int weather) {
        return afterNotes({"Smith"}, notes, first, weather).batters[kVisitors][0].walks;
    };
    EXPECT_EQ(std::tuple(walks(0, 2), walks(1, 2), walks(1, 0), walks(2, 2), walks(1, 3)),
              std::tuple(1, 1, 0, 0, 3));
}

using Stars = std::tuple<std::optional<std::size_t>, std::optional<std::size_t>>;

// The home team's stars among batters with these ratings, all named unless `names` says.
Stars starsOf(const std::vector<float>& ratings, std::vector<std::string> names = {}) {
    GameRecord record;
    names.resize(ratings.size(), "Batter");
    for (std::size_t i = 0; i < ratings.size(); ++i) {
        record.batters[kHome].push_back({.batterName = names[i], .rating = ratings[i]});
    }
    chooseStars(record);
    return {record.firstStar[kHome], record.secondStar[kHome]};
}

TEST(Stars, StrictlyGreaterWinsTiesKeepTheEarlierBatter) {
    const std::nullopt_t none = std::nullopt;
    const std::pair<std::vector<float>, Stars> cases[] = {
        {{}, {none, none}},           {{0.0f, -0.4f}, {none, none}}, {{0.5f}, {0, none}},
        {{0.5f, 0.5f}, {0, 1}},       {{0.5f, 1.0f}, {1, 0}},        {{1.0f, 0.5f, 0.7f}, {0, 2}},
        {{0.2f, 0.7f, 0.7f}, {1, 2}},
    };
    for (const auto& [ratings, stars] : cases) {
        EXPECT_EQ(starsOf(ratings), stars) << ::testing::PrintToString(ratings);
    }
    // A row with numbers but no name is never a star.
    EXPECT_EQ(starsOf({1.0f, 0.5f}, {"", "Batter"}), Stars(none, 1));
}

// With 50 batters the search starts from a real batter in the last slot: alone above zero he
// was both first and second star and written up twice. A lower rating never displaces him as
// second star, since the search starts from him.
TEST(Stars, FiftiethBatterAloneAboveZeroWasBothStars) {
    std::vector<float> ratings(50, 0.0f);
    ratings[49] = 2.0f;
    EXPECT_EQ(starsOf(ratings), Stars(49, std::nullopt));
    ratings[10] = 1.0f;
    EXPECT_EQ(starsOf(ratings), Stars(49, std::nullopt));
    ratings[10] = 3.0f;
    EXPECT_EQ(starsOf(ratings), Stars(10, 49));
}

}  // namespace
}  // namespace quillbat
