// The exact rules that choose a category or write a number, as tables of inputs and outputs
// with the values just under and just over each threshold.
#include <gtest/gtest.h>

#include <tuple>

#include "article/batter_paragraphs.h"
#include "article/losing_pitcher_paragraph.h"
#include "article/number_word.h"
#include "article/opening_paragraph.h"
#include "article/winning_pitcher_paragraph.h"

namespace quillbat {
namespace {

using std::nullopt;

TEST(Categories, Temperature) {
    const std::pair<std::optional<double>, std::string_view> cases[] = {
        {nullopt, "none"}, {130, "100"},      {100, "100"},   {99.99, "hot"},
        {95, "hot"},       {94.99, "normal"}, {55, "normal"}, {54.99, "chilly"},
        {46, "chilly"},    {45.99, "cold"},   {-99, "cold"},
    };
    for (const auto& [degrees, category] : cases) {
        EXPECT_EQ(temperatureCategory(degrees), category) << degrees.value_or(-1000);
    }
    EXPECT_EQ(std::tuple(degreesText(72), degreesText(72.5), degreesText(-5)),
              std::tuple("72", "72.5", "-5"));
}

// Visitors' runs, home runs, innings.
TEST(Categories, GameTypeLastTestThatHoldsWins) {
    const std::tuple<std::int16_t, std::int16_t, std::int16_t, std::string_view> cases[] = {
        {3, 6, 9, "double"},  {6, 3, 9, "normal"},  {10, 5, 9, "double"}, {8, 4, 9, "normal"},
        {4, 11, 9, "rout"},   {4, 10, 9, "normal"}, {0, 7, 9, "shutout"}, {9, 0, 9, "shutout"},
        {0, 2, 9, "close"},   {4, 6, 9, "close"},   {4, 7, 9, "normal"},  {5, 5, 9, "close"},
        {12, 0, 10, "extra"}, {4, 7, 10, "extra"},
    };
    for (const auto& [visitors, home, innings, type] : cases) {
        EXPECT_EQ(gameType(visitors, home, innings), type)
            << visitors << "-" << home << " " << innings;
    }
}

// Wins, losses, and the categories of the winning and of the losing pitcher.
TEST(Categories, WinnerAndLoserRecords) {
    const std::tuple<std::int16_t, std::int16_t, std::string_view, std::string_view> cases[] = {
        {20, 26, "twenty", "dismal"}, {19, 8, "great", "gap"},     {19, 9, "gap", "gap"},
        {11, 5, "gap", "gap"},        {10, 5, "raises", "normal"}, {6, 5, "above", "normal"},
        {4, 3, "above", "normal"},    {3, 2, "normal", "normal"},  {7, 7, "evens", "evens"},
        {0, 0, "evens", "evens"},     {4, 5, "normal", "below"},   {3, 4, "normal", "normal"},
        {5, 7, "normal", "falls"},    {1, 6, "normal", "falls"},   {2, 8, "normal", "dismal"},
        {2, 12, "normal", "dismal"},  {2, 13, "dismal", "dismal"}, {6, 4, "raises", "normal"},
        {5, 3, "normal", "normal"},   {3, 5, "normal", "normal"},
    };
    for (const auto& [wins, losses, winner, loser] : cases) {
        EXPECT_EQ(winnerRecordCategory(wins, losses), winner) << wins << "-" << losses;
        EXPECT_EQ(loserRecordCategory(wins, losses), loser) << wins << "-" << losses;
    }
}

TEST(Categories, SavesAndTheirOrdinals) {
    const std::tuple<std::int16_t, std::optional<std::string_view>, const char*> cases[] = {
        {-3, nullopt, "-3"}, {0, nullopt, "0"},  {1, "0", "1"},      {10, "0", "10"},
        {11, "10", "11"},    {12, "10", "12"},   {20, "10", "20"},   {21, "20", "21st"},
        {22, "20", "22nd"},  {23, "20", "23rd"}, {24, "20", "24th"}, {30, "20", "30th"},
    };
    for (const auto& [saves, category, text] : cases) {
        EXPECT_EQ(std::tuple(saveCategory(saves), savesText(saves)), std::tuple(category, text));
    }
}

// A batting line: hits, doubles, triples, home runs, at-bats, runs batted in.
Batter line(std::int16_t hits, std::int16_t doubles, std::int16_t triples, std::int16_t homeRuns,
            std::int16_t atBats, std::int16_t runsBattedIn = 0) {
    return {"", atBats, 0, hits, runsBattedIn, 0, doubles, triples, homeRuns};
}

// The first winning star's category, then that of the second star and the losing star.
TEST(Categories, StarsFirstRowThatHolds) {
    const std::tuple<Batter, std::string_view, std::string_view> cases[] = {
        {line(4, 1, 1, 1, 4), "cycle", "cycle"},    {line(3, 1, 1, 1, 4), "Hits234", "Hits234"},
        {line(3, 0, 1, 2, 4), "HRs", "HRs"},        {line(3, 0, 1, 1, 4), "Hits34", "Hits34"},
        {line(2, 0, 1, 1, 4), "Hits4", "none"},     {line(3, 1, 0, 1, 4), "Hits24", "Hits24"},
        {line(2, 1, 0, 1, 4), "Hits4", "none"},     {line(3, 1, 1, 0, 4, 1), "Hits23RBI", "none"},
        {line(3, 1, 1, 0, 4), "Hits23", "none"},    {line(2, 1, 1, 0, 4), "Hits3", "none"},
        {line(3, 0, 0, 1, 4), "Hits4", "Hits4"},    {line(2, 0, 1, 0, 3, 1), "Hits3RBI", "none"},
        {line(1, 0, 1, 0, 3, 1), "normal", "none"}, {line(2, 1, 0, 0, 3, 1), "Hits2RBI", "none"},
        {line(2, 1, 0, 0, 3), "Hits2", "none"},     {line(1, 1, 0, 0, 4, 2), "none", "none"},
        {line(2, 0, 0, 0, 4, 1), "RBI", "none"},    {line(1, 0, 0, 0, 3, 1), "normal", "none"},
        {line(2, 0, 0, 0, 4), "normal", "none"},    {line(1, 0, 0, 1, 4), "oneHR", "none"},
        {line(1, 0, 0, 1, 3), "normal", "none"},    {line(1, 0, 0, 0, 4), "none", "none"},
        {line(0, 0, 0, 0, 4), "normal", "none"},    {line(4, 2, 1, 1, 4), "Hits234", "Hits234"},
    };
    int row = 0;
    for (const auto& [batter, first, other] : cases) {
        EXPECT_EQ(std::tuple(firstStarCategory(batter), otherStarCategory(batter)),
                  std::tuple(first, other))
            << "row " << row++;
    }
}

// Home runs today, then the season's home runs, runs batted in, triples and doubles.
TEST(Categories, HomeRunFamilyAndFirstRowThatHolds) {
    using Row = std::tuple<std::int16_t, std::int16_t, std::int16_t, std::int16_t, std::int16_t,
                           const char*>;
    const Row cases[] = {
        {2, 30, 10, 0, 0, "mult"},    {3, 41, 120, 9, 40, "multRBI3B"},
        {1, 21, 50, 3, 26, "12B"},    {1, 23, 10, 0, 0, "3"},
        {1, 20, 10, 0, 0, "other"},   {1, 15, 85, 7, 0, "oRBI3B"},
        {0, 32, 80, 6, 30, "2RBI2B"}, {0, 32, 80, 6, 29, "2RBI"},
        {0, 33, 80, 7, 30, "3RBI3B"}, {0, 31, 79, 7, 30, "13B"},
        {0, 31, 79, 5, 30, "13B"},    {0, 31, 79, 4, 25, "12B"},
        {0, 31, 79, 4, 24, "1"},      {2, 41, 10, 5, 0, "mult3B"},
        {0, 22, 79, 4, 24, "2"},
    };
    for (const auto& [today, homeRuns, runsBattedIn, triples, doubles, category] : cases) {
        Batter batter = line(2, 0, 0, today, 4);
        batter.seasonHomeRuns = homeRuns;
        batter.seasonRunsBattedIn = runsBattedIn;
        batter.seasonTriples = triples;
        batter.seasonDoubles = doubles;
        EXPECT_EQ(homeRunCategory(batter), category);
    }
}

TEST(Numbers, WordsForOneToTenAndEveryOtherTextUnchanged) {
    const char* words[] = {"one", "two", "three", "four", "five", "six", "seven", "eight", "nine"};
    for (int n = 1; n <= 9; ++n) {
        EXPECT_EQ(getNumberWord(std::to_string(n)), words[n - 1]);
    }
    EXPECT_EQ(getNumberWord("10"), "ten");
    for (const char* text : {"0", "11", "07", " 5", "5 ", "-1", "10.0", ""}) {
        EXPECT_EQ(getNumberWord(text), text);
    }
}

// The digit after the point counts thirds of an inning.
TEST(Numbers, InningsPitched) {
    // clang-format off
    const std::pair<const char*, double> cases[] = {
        {"6.2", 6 + 2 * 0.33333}, {"0.1", 0.33333}, {"10.1", 10.33333}, {"6.9", 6 + 9 * 0.33333},
        {"7.0", 7}, {"7", 7}, {"7.", 7}, {"", 0}, {"x", 0}};
    // clang-format on
    for (const auto& [text, value] : cases) {
        EXPECT_DOUBLE_EQ(inningsValue(text), value) << text;
    }
}

// Each band of the season ERA is told by its adjective; just past a band's end the next begins,
// and the small gaps between bands and everything from 3.5 have none.
TEST(Numbers, EraAdjectiveAtTheBandEdges) {
    // clang-format off
    const std::pair<double, std::string_view> cases[] = {
        {0.0, "a microscopic "},    {0.99, "a microscopic "},   {1.0, "a miniscule "},
        {1.24999, "a miniscule "},  {1.249995, ""},             {1.25, "a stunning "},
        {1.4999, "a stunning "},    {1.49995, ""},              {1.5, "a stellar "},
        {2.9999, "an exceptional "}, {3.0, "a superb "},        {3.09999, "a superb "},
        {3.1, "an outstanding "},   {3.49999, "a nice "},       {3.499995, ""},
        {3.5, ""},                  {9.99, ""}};
    // clang-format on
    for (const auto& [era, adjective] : cases) {
        EXPECT_EQ(eraAdjective(era), adjective) << era;
    }
}

}  // namespace
}  // namespace quillbat
