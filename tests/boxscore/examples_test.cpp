#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "boxscore/boxscore_reader.h"
#include "tests/boxscore/boxscore_text.h"

namespace quillbat {
namespace {

GameRecord readExample(const std::string& file) {
    return readBoxscore(std::string_view(testing::readExample(file)), file);
}

// What each bundled example boxscore is there to show, read back.
TEST(Examples, ReadAsIntended) {
    const struct {
        std::string file, gameLabel;
        int innings, visitorRuns, homeRuns;
        std::string winPitcher, losePitcher, savePitcher;
        int visitorBatters, homeBatters;
        bool fullColumn;
    } cases[] = {
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
    for (const auto& c : cases) {
        GameRecord r = readExample(c.file);
        EXPECT_EQ(
            std::tuple(r.gameLabel, r.innings, r.runs[kVisitors], r.runs[kHome], r.fullColumn),
            std::tuple(c.gameLabel, c.innings, c.visitorRuns, c.homeRuns, c.fullColumn))
            << c.file;
        EXPECT_EQ(std::tuple(r.winPitcher, r.losePitcher, r.savePitcher),
                  std::tuple(c.winPitcher, c.losePitcher, c.savePitcher))
            << c.file;
        EXPECT_EQ(std::tuple(r.batterCount[kVisitors] - 1, r.batterCount[kHome] - 1),
                  std::tuple(c.visitorBatters, c.homeBatters))
            << c.file;
    }
}

TEST(Examples, ConditionsOfTheWeatherLines) {
    GameRecord rain = readExample("2026081904802.box");
    EXPECT_EQ(std::tuple(rain.rainDelays, rain.wetField, rain.threatening),
              std::tuple("31 and 57", true, true));
    GameRecord wrapped = readExample("2026061507300.box");
    EXPECT_EQ(std::tuple(wrapped.windSpeed, wrapped.windText),
              std::tuple(23, "out to left field at 23 mph"));
    EXPECT_EQ(wrapped.firstStar[kVisitors], 3);  // Thorvaldsen: triple and home run
    GameRecord dome = readExample("2026050306100.box");
    EXPECT_EQ(std::tuple(dome.ballpark, dome.temperature), std::tuple("the Kingdome", 72.0));
    GameRecord expanded = readExample("2026090211200.box");
    EXPECT_FLOAT_EQ(expanded.batters[kVisitors][3].rating, 2.0464f);  // Ridgeway
    EXPECT_EQ(expanded.batters[kVisitors][3].seasonHomeRuns, 0);
}

}  // namespace
}  // namespace quillbat
