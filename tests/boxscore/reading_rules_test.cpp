// The exact rules of reading a boxscore's fields, its date and its game label.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <tuple>

#include "boxscore/field_reading.h"
#include "boxscore/game_date.h"
#include "boxscore/game_label.h"

namespace quillbat {
namespace {

TEST(LeadingNumber, ReadsUpToTheFirstCharacterThatCannotContinue) {
    const std::pair<std::string, double> cases[] = {
        {"", 0},        {"   ", 0},       {"  x", 0},       {"x5", 0},  {"-", 0},
        {".", 0},       {"+", 0},         {"5-", 5},        {"3)", 3},  {" 12", 12},
        {"1 2", 12},    {".312", 0.312},  {" .301", 0.301}, {"-3", -3}, {"- 3", -3},
        {"+7", 7},      {"4.12", 4.12},   {"1.2.3", 1.2},   {"5.", 5},  {"3-7", 3},
        {"12(15)", 12}, {"99.99", 99.99}, {"--5", 0},       {"5+", 5},  {"0x10", 0},
    };
    for (const auto& [field, value] : cases) {
        EXPECT_DOUBLE_EQ(leadingNumber(field), value) << '"' << field << '"';
    }
    // Exactly the value of the decimal, past 15 digits too, and never an overflow.
    for (std::string text : {"0.3", "1234567890.12345", "0.000000000000001", "1234567890123456",
                             "12345678901234567890.5", "9007199254740993", "-2.675"}) {
        EXPECT_EQ(leadingNumber(text), std::strtod(text.c_str(), nullptr)) << text;
    }
    EXPECT_EQ(fieldInt16(std::string(400, '9')), 32767);
    EXPECT_EQ(fieldInt16("-" + std::string(400, '9')), -32768);
}

TEST(RoundToInt16, HalvesGoToTheEvenNeighbourAndTheRangeEndsHold) {
    const std::pair<double, int> cases[] = {
        {0.5, 0},         {1.5, 2},       {2.5, 2},     {3.5, 4},         {-0.5, 0},
        {-1.5, -2},       {-2.5, -2},     {2.4999, 2},  {2.5001, 3},      {32767, 32767},
        {32767.4, 32767}, {32768, 32767}, {1e9, 32767}, {-32768, -32768}, {-40000, -32768},
    };
    for (const auto& [value, rounded] : cases) {
        EXPECT_EQ(roundToInt16(value), rounded) << value;
    }
}

TEST(StrictNumber, AcceptsOnlyANumberBetweenBlanks) {
    for (const auto& [text, value] : {std::pair{" 9", 9.0},
                                      {"5.", 5.0},
                                      {".5", 0.5},
                                      {"-3", -3.0},
                                      {"+4", 4.0},
                                      {" 22 ", 22.0}}) {
        EXPECT_EQ(strictNumber(text), value) << text;
    }
    for (std::string bad : {"", "  ", "x9", "9x", "2 2", ".", "-", "+", "1.2.3", "--3", "9,"}) {
        EXPECT_FALSE(strictNumber(bad).has_value()) << '"' << bad << '"';
    }
}

TEST(Fields, AreCutShortAtTheLineEnds) {
    const std::string line = "abcdefghij";
    EXPECT_EQ(std::tuple(fieldAt(line, 9, 5), fieldAt(line, 11, 2), fieldAt(line, 0, 2)),
              std::tuple("ij", "", ""));
    EXPECT_EQ(std::tuple(fieldFromEnd(line, 3, 2), fieldFromEnd(line, 11, 2),
                         fieldFromEnd(line, 23, 2), fieldFromEnd(line, 1, 5)),
              std::tuple("hi", "a", "", "j"));
    EXPECT_EQ(std::tuple(trimBlanks("  Ned Pike cf   "), trimBlanks("   "), isAllBlank("")),
              std::tuple("Ned Pike cf", "", true));
    EXPECT_EQ(lowerCase("Out to CF at 22 MPH \xC9"), "out to cf at 22 mph \xC9");
}

// Real days are written with the month's name; any other text is kept as written, trimmed.
TEST(GameDate, WritesRealDatesWithTheMonthName) {
    const std::pair<const char*, const char*> dates[] = {
        {"4/10/1999", "April 10, 1999"},    {" 04/02/2013 ", "April 2, 2013"},
        {"10-27-2013", "October 27, 2013"}, {"1/1/00", "January 1, 2000"},
        {"12/31/29", "December 31, 2029"},  {"7/4/30", "July 4, 1930"},
        {"9/9/99", "September 9, 1999"},    {"2/29/2024", "February 29, 2024"},
        {"2/29/2000", "February 29, 2000"}, {"6/30/2026", "June 30, 2026"},
        {"  Opening Day  ", "Opening Day"},
    };
    for (const auto& [text, written] : dates) {
        EXPECT_EQ(gameDateText(text), written) << text;
    }
    for (const char* text :
         {"2/29/2023", "2/29/1900", "6/31/2026", "13/1/2026", "0/1/2026", "1/0/2026", "1-1-26",
          "1/1-2026", "1/1/202", "1/1/20266", "123/1/2026"}) {
        EXPECT_EQ(gameDateText(text), text);
    }
}

TEST(GameLabel, ComesFromTheDigitBeforeTheExtension) {
    for (const auto& [name, label] : {std::pair{"2026081904801.box", "Game One.  "},
                                      {"/league/gm052.box", "Game Two.  "},
                                      {"gm053.box", ""},
                                      {"1.box", "Game One.  "},
                                      {".box", ""},
                                      {"", ""}}) {
        EXPECT_EQ(gameLabelFromFileName(name), label) << name;
    }
}

}  // namespace
}  // namespace quillbat
