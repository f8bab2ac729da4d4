#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "boxscore/boxscore_reader.h"

namespace quillbat {
namespace {

// Boxscores written by the game itself, kept beside the repository (not in it).
const std::filesystem::path kSamples = QUILLBAT_SOURCE_DIR "/../shared/samples";

GameRecord readSample(const std::string& name) {
    std::ifstream in(kSamples / name, std::ios::binary);
    return readBoxscore(in, name);
}

class RealSamples : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!std::filesystem::is_directory(kSamples)) {
            GTEST_SKIP() << "no sample boxscores at " << kSamples;
        }
    }
};

TEST_F(RealSamples, NineInningGameWithLineFeeds) {
    GameRecord r = readSample("2013-0402-bal120.box");
    EXPECT_EQ(r.gameDate, "April 2, 2013");
    EXPECT_EQ(r.ballparkName, "Fenway Park");
    EXPECT_EQ(r.teamName[kVisitors], "Griffins");
    EXPECT_EQ(r.teamName[kHome], "Bombers");
    EXPECT_EQ(r.runs[kVisitors], 2);
    EXPECT_EQ(r.runs[kHome], 9);
    EXPECT_EQ(r.hits[kHome], 17);
    EXPECT_EQ(r.winTeam, kHome);
    EXPECT_EQ(r.winPitcher, "Hernandez,F");
    EXPECT_EQ(r.winPitches, 109);
    EXPECT_DOUBLE_EQ(r.winEra, 2.25);
    EXPECT_EQ(r.losePitcher, "Parker,J");
    EXPECT_EQ(r.loseLosses, 1);
    EXPECT_EQ(r.savePitcher, "");
    EXPECT_EQ(r.temperature, 54);
    EXPECT_TRUE(r.strongWind);
    EXPECT_EQ(r.windText, "in from right at 24 mph");
    EXPECT_EQ(r.batterCount[kVisitors], 13);
    EXPECT_EQ(r.batterCount[kHome], 11);
    // Cano: four hits and a double in five at-bats; Stanton and Hamilton homered.
    EXPECT_EQ(r.batters[kHome][3].batterName, "Cano");
    EXPECT_EQ(r.batters[kHome][3].doubles, 1);
    EXPECT_FLOAT_EQ(r.batters[kHome][3].rating, 2.1432f);
    EXPECT_EQ(r.firstStar[kHome], 3);
    EXPECT_EQ(r.secondStar[kHome], 5);
    EXPECT_EQ(r.batters[kHome][8].runsBattedIn, 2);
    EXPECT_EQ(r.batters[kHome][8].seasonRunsBattedIn, 2);
    EXPECT_EQ(r.firstStar[kVisitors], 2);
    EXPECT_EQ(r.secondStar[kVisitors], 1);
}

TEST_F(RealSamples, ThirteenInningsWrapTheLineScore) {
    GameRecord r = readSample("2026-0314-190.box");
    EXPECT_EQ(r.lineScoreHeaderLine, 7);
    EXPECT_EQ(r.innings, 13);
    EXPECT_EQ(r.teamName[kHome], "Chain Saw Scalp");
    EXPECT_EQ(r.runs[kVisitors], 3);
    EXPECT_EQ(r.runs[kHome], 2);
    EXPECT_EQ(r.leftOnBase[kVisitors], 13);
    EXPECT_EQ(r.doublePlays[kVisitors], 4);
    EXPECT_EQ(r.winTeam, kVisitors);
    EXPECT_EQ(r.winPitcher, "Ray,R");
    EXPECT_EQ(r.winInnings, "1.2");
    EXPECT_EQ(r.losePitcher, "Maglie");
    EXPECT_EQ(r.batterCount[kVisitors], 15);
    EXPECT_EQ(r.batterCount[kHome], 11);
    EXPECT_EQ(r.temperature, 63);
    EXPECT_FALSE(r.strongWind);
}

TEST_F(RealSamples, CrLfFilesStopAtTheFormFeed) {
    for (const char* name : {"2026-0726-350.box", "2026-0819-180.box"}) {
        GameRecord r = readSample(name);
        EXPECT_LT(r.lineCount(), 110) << name;
        EXPECT_NE(r.line(r.lineCount()).find('\f'), std::string::npos) << name;
        EXPECT_FALSE(r.winPitcher.empty()) << name;
        EXPECT_FALSE(r.losePitcher.empty()) << name;
        EXPECT_LE(r.firstStar[kVisitors], 50);
    }
    GameRecord blues = readSample("2026-0726-350.box");
    EXPECT_EQ(blues.teamName[kHome], "Blues");
    EXPECT_EQ(blues.winPitcher, "Allen,J");
    EXPECT_EQ(blues.winStrikeouts, 11);
    EXPECT_EQ(blues.runs[kHome], 5);
    GameRecord wahoos = readSample("2026-0819-180.box");
    EXPECT_EQ(wahoos.runs[kVisitors], 11);
    EXPECT_EQ(wahoos.winPitcher, "Whitson");
    EXPECT_EQ(wahoos.winWins, 11);
    EXPECT_EQ(wahoos.losePitcher, "Knepper");
    EXPECT_EQ(wahoos.temperature, 72);
}

}  // namespace
}  // namespace quillbat
