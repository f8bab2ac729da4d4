#include <gtest/gtest.h>

#include <string>

#include "boxscore/game_date.h"
#include "boxscore/game_label.h"

namespace quillbat {
namespace {

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
