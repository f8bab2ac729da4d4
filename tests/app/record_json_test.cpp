#include "app/record_json.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>

#include "app/boxscore_file.h"

namespace quillbat {
namespace {

using Json = nlohmann::ordered_json;

TEST(RecordJson, WorkedExampleLine) {
    GameRecord record =
        readBoxscoreFile(QUILLBAT_SOURCE_DIR "/examples/riverton-at-harbor-city.box");
    const std::string batter =
        R"({"batterName":"Ned Pike cf","atBats":4,"runsScored":1,"batterHits":2,"runsBattedIn":1,)"
        R"("average":0.301,"doubles":0,"triples":0,"homeRuns":0,"walks":0,"seasonDoubles":0,)"
        R"("seasonTriples":0,"seasonHomeRuns":0,"seasonRunsBattedIn":0,"rating":0.0})";
    const std::string start =
        R"({"gameLabel":"","gameDate":"April 10, 1999","ballparkName":"Lakeside Park",)"
        R"("ballpark":"Lakeside Park","teamName":["Riverton","Harbor City"],"innings":9,)"
        R"("inningRuns":[[0,0,1,0,0,2,0,0,0],[1,0,0,0,3,0,0,1,0]],"runs":[3,5],"hits":[8,9],)"
        R"("errors":[1,0],"leftOnBase":[7,6],"doublePlays":[1,2],"winTeam":2,"loseTeam":1,)"
        R"("rainDelays":"","windSpeed":22,"strongWind":true,"windText":"out to cf at 22 mph",)"
        R"("threatening":false,"wetField":false,"temperature":72.0,"winPitcher":"Tom Ashford",)"
        R"("winWins":12,"winLosses":5,"winInnings":"8.0","winHits":7,"winRuns":3,)"
        R"("winEarnedRuns":3,"winStrikeouts":9,"winPitches":112,"winEra":3.05,)"
        R"("losePitcher":"Carl Dunn","loseWins":3,"loseLosses":7,"loseInnings":"7.0",)"
        R"("savePitcher":"Lou Vance","saves":14,"lineScoreHeaderLine":3,"fullColumn":false,)"
        R"("firstFullHeaderLine":0,"secondFullHeaderLine":0,"battingHeaderLine":7,)"
        R"("firstNotesLine":11,"weatherLine":13,"pitchingHeaderLine":15,"pitchingEndLine":21,)"
        R"("firstStar":[50,50],"secondStar":[50,50],"batters":[[)";
    std::string json = recordToJson(record);
    EXPECT_EQ(json.substr(0, start.size()), start);
    EXPECT_EQ(json.substr(start.size(), batter.size()), batter);
    EXPECT_EQ(json.find('\n'), std::string::npos);
    Json parsed = Json::parse(json);
    EXPECT_EQ(parsed["batters"][0].size(), 2u);
    EXPECT_EQ(parsed["batters"][1][1]["batterName"], "Joe Reyes rf");
    EXPECT_EQ(parsed["batters"][1][1]["average"].dump(), "0.31");
}

TEST(RecordJson, FloatsAsTheirShortestDecimal) {
    GameRecord record;
    record.batterCount[kVisitors] = 2;
    record.batters[kVisitors][1].average = 0.301f;
    record.batters[kVisitors][1].rating = 1.4064f;
    record.batterCount[kHome] = 3;
    record.batters[kHome][1].rating = -0.3872f;
    record.batters[kHome][2].rating = 0.6064f;
    record.winEra = 0.1 + 0.2;
    Json parsed = Json::parse(recordToJson(record));
    EXPECT_EQ(parsed["batters"][0][0]["average"].dump(), "0.301");
    EXPECT_EQ(parsed["batters"][0][0]["rating"].dump(), "1.4064");
    EXPECT_EQ(parsed["batters"][1][0]["rating"].dump(), "-0.3872");
    EXPECT_EQ(parsed["batters"][1][1]["rating"].dump(), "0.6064");
    EXPECT_EQ(parsed["winEra"].dump(), "0.30000000000000004");
}

TEST(RecordJson, InningRunsUpToFortyInnings) {
    GameRecord record;
    EXPECT_EQ(Json::parse(recordToJson(record))["inningRuns"].dump(), "[[],[]]");
    record.innings = 41;
    record.inningRuns[kHome][40] = 7;
    Json parsed = Json::parse(recordToJson(record));
    EXPECT_EQ(parsed["inningRuns"][0].size(), 40u);
    EXPECT_EQ(parsed["inningRuns"][1][39], 7);
    record.innings = -3;
    EXPECT_EQ(Json::parse(recordToJson(record))["inningRuns"].dump(), "[[],[]]");
}

TEST(RecordJson, TextIsAlwaysValidUtf8) {
    GameRecord record;
    record.teamName[kVisitors] = "Espa\xF1ola";        // Windows-1252
    record.teamName[kHome] = "Espa\xC3\xB1ola";        // already UTF-8
    record.ballparkName = std::string("Park\0\f", 6);  // control bytes are escaped
    record.batterCount[kVisitors] = 2;
    record.batters[kVisitors][1].batterName = "O\x92Neill";  // curly apostrophe
    std::string json = recordToJson(record);
    Json parsed = Json::parse(json);
    EXPECT_EQ(parsed["teamName"][0], "Espa\xC3\xB1ola");
    EXPECT_EQ(parsed["teamName"][1], "Espa\xC3\xB1ola");
    EXPECT_EQ(parsed["batters"][0][0]["batterName"], "O\xE2\x80\x99Neill");
    EXPECT_NE(json.find(R"("ballparkName":"Park\u0000\f")"), std::string::npos);
}

}  // namespace
}  // namespace quillbat
