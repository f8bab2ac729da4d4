#include "app/boxscore_filter.h"

#include <gtest/gtest.h>

namespace quillbat {
namespace {

TEST(BoxscoreFilterTest, WritesTheTeamWithAtLeastTwoDigits) {
    const std::pair<std::int16_t, std::string> cases[] = {
        {-1, "Boxscores (*.box) | *.box"},
        {0, "Boxscores (*.box) | *000.box;*001.box;*002.box"},
        {5, "Boxscores (*.box) | *050.box;*051.box;*052.box"},
        {9, "Boxscores (*.box) | *090.box;*091.box;*092.box"},
        {10, "Boxscores (*.box) | *100.box;*101.box;*102.box"},
        {123, "Boxscores (*.box) | *1230.box;*1231.box;*1232.box"},
        {-5, "Boxscores (*.box) | *-050.box;*-051.box;*-052.box"},
    };
    for (const auto& [team, filter] : cases) {
        EXPECT_EQ(boxscoreFilter(team), filter);
    }
}

TEST(SplitFilterTest, DescriptionAndPatterns) {
    EXPECT_EQ(splitFilter(boxscoreFilter(-1)), (FilterParts{"Boxscores (*.box)", {"*.box"}}));
    EXPECT_EQ(splitFilter(boxscoreFilter(5)),
              (FilterParts{"Boxscores (*.box)", {"*050.box", "*051.box", "*052.box"}}));
    EXPECT_EQ(splitFilter("Text only"), (FilterParts{"Text only", {}}));
    EXPECT_EQ(splitFilter("Empty |  ; *.a ;"), (FilterParts{"Empty", {"*.a"}}));
    EXPECT_EQ(splitFilter("A | *.a | b"), (FilterParts{"A", {"*.a | b"}}));
}

}  // namespace
}  // namespace quillbat
