#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <tuple>

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
    EXPECT_EQ(std::tuple(r.gameDate, r.ballparkName, r.teamName[kVisitors], r.teamName[kHome]),
              std::tuple("April 2, 2013", "Fenway Park", "Griffins", "Bombers"));
    EXPECT_EQ(std::tuple(r.runs[kVisitors], r.runs[kHome], r.hits[kHome], r.winTeam),
              std::tuple(2, 9, 17, kHome));
    EXPECT_EQ(std::tuple(r.winPitcher, r.winPitches, r.losePitcher, r.loseLosses, r.savePitcher),
              std::tuple("Hernandez,F", 109, "Parker,J", 1, ""));
    EXPECT_DOUBLE_EQ(r.winEra, 2.25);
    EXPECT_EQ(std::tuple(r.temperature, r.strongWind, r.windText),
              std::tuple(54.0, true, "in from right at 24 mph"));
    EXPECT_EQ(std::tuple(r.batterCount[kVisitors], r.batterCount[kHome]), std::tuple(13, 11));
    // Cano: four hits and a double in five at-bats; Stanton and Hamilton homered.
    const Batter& cano = r.batters[kHome][3];
    EXPECT_EQ(std::tuple(cano.batterName, cano.doubles), std::tuple("Cano", 1));
    EXPECT_FLOAT_EQ(cano.rating, 2.1432f);
    EXPECT_EQ(std::tuple(r.batters[kHome][8].runsBattedIn, r.batters[kHome][8].seasonRunsBattedIn),
              std::tuple(2, 2));
    EXPECT_EQ(std::tuple(r.firstStar[kHome], r.secondStar[kHome], r.firstStar[kVisitors],
                         r.secondStar[kVisitors]),
              std::tuple(3, 5, 2, 1));
}

TEST_F(RealSamples, ThirteenInningsWrapTheLineScore) {
    GameRecord r = readSample("2026-0314-190.box");
    EXPECT_EQ(std::tuple(r.lineScoreHeaderLine, r.innings, r.teamName[kHome], r.winTeam),
              std::tuple(7, 13, "Chain Saw Scalp", kVisitors));
    EXPECT_EQ(std::tuple(r.runs[kVisitors], r.runs[kHome], r.leftOnBase[kVisitors],
                         r.doublePlays[kVisitors]),
              std::tuple(3, 2, 13, 4));
    EXPECT_EQ(std::tuple(r.winPitcher, r.winInnings, r.losePitcher),
              std::tuple("Ray,R", "1.2", "Maglie"));
    EXPECT_EQ(
        std::tuple(r.batterCount[kVisitors], r.batterCount[kHome], r.temperature, r.strongWind),
        std::tuple(15, 11, 63.0, false));
}

TEST_F(RealSamples, CrLfFilesStopAtTheFormFeed) {
    for (const char* name : {"2026-0726-350.box", "2026-0819-180.box"}) {
        GameRecord r = readSample(name);
        EXPECT_LT(r.lineCount(), 110) << name;
        EXPECT_NE(r.line(r.lineCount()).find('\f'), std::string::npos) << name;
    }
    GameRecord blues = readSample("2026-0726-350.box");
    EXPECT_EQ(std::tuple(blues.teamName[kHome], blues.runs[kHome], blues.winPitcher,
                         blues.winStrikeouts, blues.losePitcher.empty()),
              std::tuple("Blues", 5, "Allen,J", 11, false));
    GameRecord wahoos = readSample("2026-0819-180.box");
    EXPECT_EQ(std::tuple(wahoos.runs[kVisitors], wahoos.winPitcher, wahoos.winWins,
                         wahoos.losePitcher, wahoos.temperature),
              std::tuple(11, "Whitson", 11, "Knepper", 72.0));
}

}  // namespace
}  // namespace quillbat
