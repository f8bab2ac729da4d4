#include "boxscore/field_reading.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace quillbat {
namespace {

TEST(LeadingNumber, ReadsUpToTheFirstCharacterThatCannotContinue) {
    struct Case {
        std::string field;
        double value;
    };
    const Case cases[] = {
        {"", 0},        {"   ", 0},       {"  x", 0},       {"x5", 0},  {"-", 0},
        {".", 0},       {"+", 0},         {"5-", 5},        {"3)", 3},  {" 12", 12},
        {"1 2", 12},    {".312", 0.312},  {" .301", 0.301}, {"-3", -3}, {"- 3", -3},
        {"+7", 7},      {"4.12", 4.12},   {"1.2.3", 1.2},   {"5.", 5},  {"3-7", 3},
        {"12(15)", 12}, {"99.99", 99.99}, {"--5", 0},       {"5+", 5},  {"0x10", 0},
    };
    for (const Case& c : cases) {
        EXPECT_DOUBLE_EQ(leadingNumber(c.field), c.value) << '"' << c.field << '"';
    }
}

TEST(LeadingNumber, ManyDigitsDoNotOverflow) {
    EXPECT_GT(leadingNumber(std::string(400, '9')), 1e300);
    EXPECT_EQ(fieldInt16(std::string(400, '9')), 32767);
    EXPECT_EQ(fieldInt16("-" + std::string(400, '9')), -32768);
}

TEST(LeadingNumber, GivesTheCorrectlyRoundedValueOfTheDecimal) {
    for (std::string text :
         {"0.1", "0.3", ".312", "99.99", "3.05", "4.12", "123456789012345", "1234567890.12345",
          "0.000000000000001", "1234567890123456", "12345678901234567890.5", "9007199254740993",
          "0.1234567890123456789", "-2.675", "72.5", "33.3333"}) {
        EXPECT_EQ(leadingNumber(text), std::strtod(text.c_str(), nullptr)) << text;
    }
}

TEST(RoundToInt16, HalvesGoToTheEvenNeighbour) {
    struct Case {
        double value;
        int rounded;
    };
    const Case cases[] = {
        {0.5, 0},         {1.5, 2},       {2.5, 2},     {3.5, 4},         {-0.5, 0},
        {-1.5, -2},       {-2.5, -2},     {2.4999, 2},  {2.5001, 3},      {32767, 32767},
        {32767.4, 32767}, {32768, 32767}, {1e9, 32767}, {-32768, -32768}, {-40000, -32768},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(roundToInt16(c.value), c.rounded) << c.value;
    }
}

TEST(StrictNumber, AcceptsOnlyANumberBetweenBlanks) {
    EXPECT_EQ(strictNumber(" 9"), 9);
    EXPECT_EQ(strictNumber("13"), 13);
    EXPECT_EQ(strictNumber("5."), 5);
    EXPECT_EQ(strictNumber(".5"), 0.5);
    EXPECT_EQ(strictNumber("-3"), -3);
    EXPECT_EQ(strictNumber(" 22 "), 22);
    for (std::string bad : {"", "  ", "x9", "9x", "2 2", ".", "-", "+", "1.2.3", "--3", "9,"}) {
        EXPECT_FALSE(strictNumber(bad).has_value()) << '"' << bad << '"';
    }
}

TEST(Fields, AreCutShortAtTheLineEnds) {
    const std::string line = "abcdefghij";
    EXPECT_EQ(fieldAt(line, 1, 3), "abc");
    EXPECT_EQ(fieldAt(line, 9, 5), "ij");
    EXPECT_EQ(fieldAt(line, 10, 1), "j");
    EXPECT_EQ(fieldAt(line, 11, 2), "");
    EXPECT_EQ(fieldAt(line, 500, 2), "");
    EXPECT_EQ(fieldAt("", 1, 18), "");
    EXPECT_EQ(fieldFromEnd(line, 1, 1), "j");
    EXPECT_EQ(fieldFromEnd(line, 3, 2), "hi");
    EXPECT_EQ(fieldFromEnd(line, 10, 2), "ab");
    EXPECT_EQ(fieldFromEnd(line, 11, 2), "a");
    EXPECT_EQ(fieldFromEnd(line, 23, 2), "");
    EXPECT_EQ(fieldFromEnd("", 2, 2), "");
}

TEST(Text, TrimsAndTestsBlanks) {
    EXPECT_EQ(trimBlanks("  Ned Pike cf   "), "Ned Pike cf");
    EXPECT_EQ(trimBlanks("   "), "");
    EXPECT_TRUE(isAllBlank(""));
    EXPECT_TRUE(isAllBlank("    "));
    EXPECT_FALSE(isAllBlank("   x "));
    EXPECT_EQ(lowerCase("Out to CF at 22 MPH \xC9"), "out to cf at 22 mph \xC9");
}

}  // namespace
}  // namespace quillbat
