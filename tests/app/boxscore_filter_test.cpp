#include "app/boxscore_filter.h"

#include <gtest/gtest.h>

namespace quillbat {
namespace {

struct FilterCase {
    std::int16_t team;
    const char* filter;
};

void PrintTo(const FilterCase& filter, std::ostream* out) {
    *out << "team " << filter.team;
}

class BoxscoreFilterTest : public ::testing::TestWithParam<FilterCase> {};

TEST_P(BoxscoreFilterTest, WritesTheTeamWithAtLeastTwoDigits) {
    EXPECT_EQ(boxscoreFilter(GetParam().team), GetParam().filter);
}

INSTANTIATE_TEST_SUITE_P(
    Teams, BoxscoreFilterTest,
    ::testing::Values(FilterCase{-1, "Boxscores (*.box) | *.box"},
                      FilterCase{0, "Boxscores (*.box) | *000.box;*001.box;*002.box"},
                      FilterCase{5, "Boxscores (*.box) | *050.box;*051.box;*052.box"},
                      FilterCase{9, "Boxscores (*.box) | *090.box;*091.box;*092.box"},
                      FilterCase{10, "Boxscores (*.box) | *100.box;*101.box;*102.box"},
                      FilterCase{123, "Boxscores (*.box) | *1230.box;*1231.box;*1232.box"},
                      FilterCase{-5, "Boxscores (*.box) | *-050.box;*-051.box;*-052.box"}));

TEST(SplitFilterTest, AllBoxscores) {
    EXPECT_EQ(splitFilter(boxscoreFilter(-1)), (FilterParts{"Boxscores (*.box)", {"*.box"}}));
}

TEST(SplitFilterTest, OneTeamsHomeBoxscores) {
    EXPECT_EQ(splitFilter(boxscoreFilter(5)),
              (FilterParts{"Boxscores (*.box)", {"*050.box", "*051.box", "*052.box"}}));
}

TEST(SplitFilterTest, OddTexts) {
    EXPECT_EQ(splitFilter("Text only"), (FilterParts{"Text only", {}}));
    EXPECT_EQ(splitFilter("Empty |  ; *.a ;"), (FilterParts{"Empty", {"*.a"}}));
    EXPECT_EQ(splitFilter("A | *.a | b"), (FilterParts{"A", {"*.a | b"}}));
}

}  // namespace
}  // namespace quillbat
