#include <gtest/gtest.h>

#include <string>

#include "boxscore/game_date.h"
#include "boxscore/game_label.h"

namespace quillbat {
namespace {

TEST(GameDate, WritesRealDatesWithTheMonthName) {
    struct Case {
        std::string text;
        std::string written;
    };
    const Case cases[] = {
        {"4/10/1999", "April 10, 1999"},
        {" 4/2/2013 ", "April 2, 2013"},
        {"04/02/2013", "April 2, 2013"},
        {"10-27-2013", "October 27, 2013"},
        {"1/1/00", "January 1, 2000"},
        {"12/31/29", "December 31, 2029"},
        {"7/4/30", "July 4, 1930"},
        {"9/9/99", "September 9, 1999"},
        {"2/29/2024", "February 29, 2024"},
        {"2/29/2000", "February 29, 2000"},
        {"6/30/2026", "June 30, 2026"},
        // Not dates: kept as written, trimmed.
        {"2/29/2023", "2/29/2023"},
        {"2/29/1900", "2/29/1900"},
        {"6/31/2026", "6/31/2026"},
        {"13/1/2026", "13/1/2026"},
        {"0/1/2026", "0/1/2026"},
        {"1/0/2026", "1/0/2026"},
        {"1-1-26", "1-1-26"},
        {"1/1-2026", "1/1-2026"},
        {"1/1/202", "1/1/202"},
        {"1/1/20266", "1/1/20266"},
        {"123/1/2026", "123/1/2026"},
        {"  Opening Day  ", "Opening Day"},
        {"", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(gameDateText(c.text), c.written) << c.text;
    }
}

TEST(GameLabel, ComesFromTheDigitBeforeTheExtension) {
    EXPECT_EQ(gameLabelFromFileName("2026081904801.box"), "Game One.  ");
    EXPECT_EQ(gameLabelFromFileName("/league/gm052.box"), "Game Two.  ");
    EXPECT_EQ(gameLabelFromFileName("2026072600350.box"), "");
    EXPECT_EQ(gameLabelFromFileName("gm053.box"), "");
    EXPECT_EQ(gameLabelFromFileName("1.box"), "Game One.  ");
    EXPECT_EQ(gameLabelFromFileName(".box"), "");
    EXPECT_EQ(gameLabelFromFileName(""), "");
}

}  // namespace
}  // namespace quillbat
