#include "app/boxscore_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "boxscore/input_error.h"

namespace quillbat {
namespace {
namespace fs = std::filesystem;

class BoxscoreFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        folder_ = fs::temp_directory_path() / (std::string("quillbat-box-") + test->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }

    std::string write(const std::string& name, const std::string& bytes) {
        fs::path path = folder_ / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    }

    // The refusal's text, with the test folder shown as "DIR".
    std::string refusalOf(const std::string& path) {
        try {
            readBoxscoreFile(path);
        } catch (const InputError& refused) {
            std::string message = refused.what();
            std::string folder = folder_.string();
            if (message.compare(0, folder.size(), folder) == 0) {
                message.replace(0, folder.size(), "DIR");
                // Windows joins the folder and the file name with a backslash.
                if (message.size() > 3 && message[3] == '\\') {
                    message[3] = '/';
                }
            }
            return message;
        }
        return "accepted";
    }

    fs::path folder_;
};

TEST_F(BoxscoreFileTest, ReadsTheWorkedExample) {
    GameRecord record =
        readBoxscoreFile(QUILLBAT_SOURCE_DIR "/examples/riverton-at-harbor-city.box");
    EXPECT_EQ(record.winPitcher, "Tom Ashford");
    EXPECT_EQ(record.batterCount[kHome], 3);
}

TEST_F(BoxscoreFileTest, NamesTheFileAsGivenInEveryRefusal) {
    EXPECT_EQ(refusalOf((folder_ / "missing.box").string()),
              "DIR/missing.box: cannot be opened: no such file");
    EXPECT_EQ(refusalOf(folder_.string()), "DIR: is a folder, not a file");
    EXPECT_EQ(refusalOf(write("empty.box", "")),
              "DIR/empty.box: has no line score: it is not a boxscore of the game");
    EXPECT_EQ(refusalOf(write("junk.box", std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16))),
              "DIR/junk.box: has no line score: it is not a boxscore of the game");
    std::string lines;
    for (int i = 0; i < 5000; ++i) {
        lines += "line\r\n";
    }
    EXPECT_EQ(refusalOf(write("long.box", lines)),
              "DIR/long.box: has more than 200 lines before its end");
}

TEST_F(BoxscoreFileTest, TakesTheGameLabelFromTheName) {
    std::ifstream example(QUILLBAT_SOURCE_DIR "/examples/riverton-at-harbor-city.box",
                          std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(example)), std::istreambuf_iterator<char>());
    EXPECT_EQ(readBoxscoreFile(write("2026081904801.box", bytes)).gameLabel, "Game One.  ");
    EXPECT_EQ(readBoxscoreFile(write("2026081904802.box", bytes)).gameLabel, "Game Two.  ");
}

}  // namespace
}  // namespace quillbat
