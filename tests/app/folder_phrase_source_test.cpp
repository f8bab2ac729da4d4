#include "app/folder_phrase_source.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "app/file_system.h"
#include "boxscore/input_error.h"

namespace quillbat {
namespace {

namespace fs = std::filesystem;

class FolderPhraseSourceTest : public testing::Test {
  protected:
    FolderPhraseSourceTest() {
        folder = fs::temp_directory_path() /
                 ("quillbat-phrases-" + std::to_string(std::random_device{}()));
        fs::create_directories(folder);
    }
    ~FolderPhraseSourceTest() override {
        std::error_code ignored;
        fs::remove_all(folder, ignored);
    }
    void write(const char* name, const char* text) {
        std::ofstream(folder / name, std::ios::binary) << text;
    }
    fs::path folder;
};

TEST_F(FolderPhraseSourceTest, ReadsTheFileAnewAtEveryLoad) {
    FolderPhraseSource source(folder);
    write("score.dat", "close,\"A.  \"\r\n");
    ASSERT_EQ(source.load("score.dat").records.size(), 1u);
    EXPECT_EQ(source.load("score.dat").records[0].phraseTemplate, "A.  ");
    write("score.dat", "close,B\r\nrout,C\r\n");
    const PhraseFile& edited = source.load("score.dat");
    ASSERT_EQ(edited.records.size(), 2u);
    EXPECT_EQ(edited.records[1].category, "rout");
}

TEST_F(FolderPhraseSourceTest, ErrorsNameTheFileByItsPath) {
    FolderPhraseSource source(folder);
    write("score.dat", "close,A\r\nrout\r\n");
    try {
        source.load("score.dat");
        FAIL() << "no error";
    } catch (const InputError& error) {
        EXPECT_EQ(error.file(), pathToUtf8(folder / "score.dat"));
        EXPECT_EQ(error.line(), 2);
    }
    try {
        source.load("homerun.dat");
        FAIL() << "no error";
    } catch (const InputError& error) {
        EXPECT_EQ(std::string(error.what()),
                  pathToUtf8(folder / "homerun.dat") + ": cannot be opened: no such file");
    }
}

}  // namespace
}  // namespace quillbat
