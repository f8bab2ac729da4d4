#include "app/check_phrases.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

namespace quillbat {
namespace {

namespace fs = std::filesystem;

const fs::path kShipped = fs::path(QUILLBAT_SOURCE_DIR) / "data";

class CheckPhraseFolder : public testing::Test {
  protected:
    CheckPhraseFolder() {
        folder = fs::temp_directory_path() /
                 ("quillbat-check-" + std::to_string(std::random_device{}()));
        fs::create_directories(folder);
    }
    ~CheckPhraseFolder() override {
        std::error_code ignored;
        fs::remove_all(folder, ignored);
    }

    int check(const fs::path& phrases) {
        out.str("");
        return checkPhraseFolder(phrases, out);
    }

    fs::path folder;
    std::ostringstream out;
};

TEST_F(CheckPhraseFolder, ShippedPhraseFilesPass) {
    EXPECT_EQ(check(kShipped), 0);
    EXPECT_EQ(out.str(), "");
}

TEST_F(CheckPhraseFolder, EmptyFolderNamesEveryFileOnItsOwnLine) {
    EXPECT_EQ(check(folder), 1);
    std::istringstream lines(out.str());
    std::string line;
    int count = 0;
    for (const char* name :
         {"temperature.dat", "score.dat", "pitch_won.dat", "pitch_lost.dat", "pitch_save.dat",
          "winner_1_batter.dat", "homerun.dat", "winner_2_batter.dat", "loser_1_batter.dat"}) {
        ASSERT_TRUE(std::getline(lines, line));
        EXPECT_EQ(line.rfind(std::string(name) + ": ", 0), 0u) << line;
        ++count;
    }
    EXPECT_FALSE(std::getline(lines, line)) << "unexpected: " << line;
    EXPECT_EQ(count, 9);
}

TEST_F(CheckPhraseFolder, SpoiledTemplateIsReportedWithItsLine) {
    fs::copy(kShipped, folder, fs::copy_options::recursive);
    std::ofstream(folder / "pitch_save.dat", std::ios::binary)
        << "20,\"#savePitch# got #saves#.  \"\r\n10,\"#savePitch# saved #save#.  \"\r\n"
        << "0,\"#savePitch# got it.  \"\r\n";
    EXPECT_EQ(check(folder), 1);
    EXPECT_EQ(out.str(), "pitch_save.dat: line 2: category \"10\": unknown token #save#\n");
}

}  // namespace
}  // namespace quillbat
