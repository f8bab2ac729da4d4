#include <gtest/gtest.h>

#include <string>

#include "boxscore/boxscore_reader.h"
#include "tests/boxscore/boxscore_text.h"

namespace quillbat {
namespace {

// What each bundled example boxscore is there to show, read back.
struct ExampleCase {
    std::string file;
    std::string gameLabel;
    int innings;
    int visitorRuns;
    int homeRuns;
    std::string winPitcher;
    std::string losePitcher;
    std::string savePitcher;
    int visitorBatters;
    int homeBatters;
    bool fullColumn;
};

TEST(Examples, ReadAsIntended) {
    const ExampleCase cases[] = {
        {"riverton-at-harbor-city.box", "", 9, 3, 5, "Tom Ashford", "Carl Dunn", "Lou Vance", 2, 2,
         false},
        {"2026081904801.box", "Game One.  ", 9, 4, 5, "Ibanez,R", "Okafor,T", "Carrow", 10, 8,
         false},
        {"2026081904802.box", "Game Two.  ", 7, 5, 1, "Arvidsson", "Pellegrino", "", 9, 9, false},
        {"2026061507300.box", "", 15, 4, 3, "Fairweather", "Hollins", "", 9, 10, false},
        {"2026050306100.box", "", 9, 1, 0, "Solberg", "Achebe,D", "", 8, 8, false},
        // The home totals row of the expanded layout takes a slot of its own.
        {"2026090211200.box", "", 9, 6, 3, "Castellano,V", "Whitlock", "Oyelowo", 10, 10, true},
    };
    for (const ExampleCase& c : cases) {
        GameRecord r = readBoxscore(std::string_view(testing::readExample(c.file)), c.file);
        EXPECT_EQ(r.gameLabel, c.gameLabel) << c.file;
        EXPECT_EQ(r.innings, c.innings) << c.file;
        EXPECT_EQ(r.runs[kVisitors], c.visitorRuns) << c.file;
        EXPECT_EQ(r.runs[kHome], c.homeRuns) << c.file;
        EXPECT_EQ(r.winPitcher, c.winPitcher) << c.file;
        EXPECT_EQ(r.losePitcher, c.losePitcher) << c.file;
        EXPECT_EQ(r.savePitcher, c.savePitcher) << c.file;
        EXPECT_EQ(r.batterCount[kVisitors] - 1, c.visitorBatters) << c.file;
        EXPECT_EQ(r.batterCount[kHome] - 1, c.homeBatters) << c.file;
        EXPECT_EQ(r.fullColumn, c.fullColumn) << c.file;
    }
}

TEST(Examples, ConditionsOfTheWeatherLines) {
    GameRecord rain = readBoxscore(std::string_view(testing::readExample("2026081904802.box")),
                                   "2026081904802.box");
    EXPECT_EQ(rain.rainDelays, "31 and 57");
    EXPECT_TRUE(rain.wetField);
    EXPECT_TRUE(rain.threatening);
    GameRecord wrapped = readBoxscore(std::string_view(testing::readExample("2026061507300.box")),
                                      "2026061507300.box");
    EXPECT_EQ(wrapped.windSpeed, 23);
    EXPECT_EQ(wrapped.windText, "out to left field at 23 mph");
    EXPECT_EQ(wrapped.firstStar[kVisitors], 3);  // Thorvaldsen: triple and home run
    GameRecord dome = readBoxscore(std::string_view(testing::readExample("2026050306100.box")),
                                   "2026050306100.box");
    EXPECT_EQ(dome.ballpark, "the Kingdome");
    EXPECT_EQ(dome.temperature, 72);
    GameRecord expanded = readBoxscore(std::string_view(testing::readExample("2026090211200.box")),
                                       "2026090211200.box");
    EXPECT_FLOAT_EQ(expanded.batters[kVisitors][3].rating, 2.0464f);  // Ridgeway
    EXPECT_EQ(expanded.batters[kVisitors][3].seasonHomeRuns, 0);
}

}  // namespace
}  // namespace quillbat
