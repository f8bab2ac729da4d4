#include "app/file_system.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "boxscore/input_error.h"

namespace quillbat {
namespace {
namespace fs = std::filesystem;
using namespace std::string_literals;

// A fresh, empty folder for one test, removed afterwards.
class FileSystemTest : public ::testing::Test {
  protected:
    void SetUp() override {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        folder_ = fs::temp_directory_path() / (std::string("quillbat-") + test->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override {
        std::error_code ignored;
        fs::permissions(folder_, fs::perms::owner_all, fs::perm_options::add, ignored);
        fs::remove_all(folder_, ignored);
    }

    // The names of the entries of a folder, as UTF-8.
    static std::vector<std::string> entryNames(const fs::path& folder) {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder)) {
            names.push_back(pathToUtf8(entry.path().filename()));
        }
        return names;
    }

    static void writeBytes(const fs::path& path, const std::string& bytes) {
        std::ofstream out(path, std::ios::binary);
        out << bytes;
        ASSERT_TRUE(out) << pathToUtf8(path);
    }

    fs::path folder_;
};

// Names beyond any single-byte code page, so a narrow-character file call cannot pass by luck.
const std::vector<std::string> kFolderNames = {
    "Liga Espa\xc3\xb1ola",                   // Liga Española
    "\xc5\x8csaka \xe5\xa4\xa7\xe9\x98\xaa",  // Ōsaka 大阪
    "\xd0\x9b\xd1\x96\xd0\xb3\xd0\xb0",       // Ліга
};

// Bytes a text-mode stream would change: CR LF, a lone CR, Ctrl-Z (end of file for the
// Windows C library in text mode), NUL and bytes above 0x7F.
const std::string kAwkwardBytes =
    "line 1\r\nline 2\rline 3\n\x1a after ctrl-z \0 \x93quoted\x94 \xff"s;

TEST(PathFromUtf8Test, KeepsNonAsciiNamesOnTheWayInAndOut) {
    for (const std::string& name : kFolderNames) {
        fs::path path = pathFromUtf8(name + "/gm05.box");
        EXPECT_EQ(pathToUtf8(path), name + "/gm05.box");
        EXPECT_EQ(pathToUtf8(path.filename()), "gm05.box");
        EXPECT_EQ(pathToUtf8(path.parent_path()), name);
    }
    EXPECT_EQ(pathFromUtf8(kFolderNames[0]).u16string(), u"Liga Espa\u00f1ola");
}

TEST_F(FileSystemTest, WritesAndReadsFilesInNonAsciiFolders) {
    for (const std::string& name : kFolderNames) {
        fs::path league = pathFromUtf8(pathToUtf8(folder_) + "/" + name);
        fs::create_directory(league);
        replaceFileAtomically(league / "gm05.txt", kAwkwardBytes);
        EXPECT_EQ(readWholeFile(league / "gm05.txt", "gm05.txt"), kAwkwardBytes) << name;
    }
    std::vector<std::string> names = entryNames(folder_);
    std::sort(names.begin(), names.end());
    std::vector<std::string> expected = kFolderNames;
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(names, expected);
}

TEST_F(FileSystemTest, ReplacesAnExistingFileAndLeavesNoTemporaryFile) {
    fs::path article = folder_ / "gm05.txt";
    writeBytes(article, "an older and longer article\r\n");
    replaceFileAtomically(article, "new\r\n");
    EXPECT_EQ(readWholeFile(article, "gm05.txt"), "new\r\n");
    EXPECT_EQ(entryNames(folder_), std::vector<std::string>{"gm05.txt"});
}

TEST_F(FileSystemTest, WritesAnEmptyFile) {
    fs::path article = folder_ / "gm05.txt";
    writeBytes(article, "old");
    replaceFileAtomically(article, "");
    EXPECT_EQ(readWholeFile(article, "gm05.txt"), "");
}

TEST_F(FileSystemTest, RefusesToReplaceAFolderAndLeavesItAsItWas) {
    fs::path target = folder_ / "gm05.txt";
    fs::create_directory(target);
    writeBytes(target / "inside.box", "kept");
    try {
        replaceFileAtomically(target, "article\r\n");
        FAIL() << "a folder was replaced";
    } catch (const FileWriteError& error) {
        EXPECT_EQ(std::string(error.what()),
                  "cannot write " + pathToUtf8(target) + ": it is a folder");
    }
    EXPECT_TRUE(fs::is_directory(target));
    EXPECT_EQ(readWholeFile(target / "inside.box", "inside.box"), "kept");
    EXPECT_EQ(entryNames(folder_), std::vector<std::string>{"gm05.txt"});
}

TEST_F(FileSystemTest, ReportsAMissingFolderWithTheSystemsReason) {
    fs::path target = folder_ / "no such folder" / "gm05.txt";
    try {
        replaceFileAtomically(target, "article\r\n");
        FAIL() << "wrote into a missing folder";
    } catch (const FileWriteError& error) {
        EXPECT_EQ(std::string(error.what()),
                  "cannot write " + pathToUtf8(target) + ": No such file or directory");
    }
    EXPECT_TRUE(entryNames(folder_).empty());
}

TEST_F(FileSystemTest, KeepsTheOldFileWhenTheFolderIsReadOnly) {
    fs::path article = folder_ / "gm05.txt";
    writeBytes(article, "old article\r\n");
    fs::permissions(folder_,
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    // An administrator (root on Linux) and Windows, where a folder's read-only mark does not
    // stop new files, write into it anyway: nothing can fail there.
    if (std::ofstream(folder_ / "probe")) {
        GTEST_SKIP() << "this user can write into a read-only folder";
    }
    EXPECT_THROW(replaceFileAtomically(article, "new article\r\n"), FileWriteError);
    EXPECT_EQ(readWholeFile(article, "gm05.txt"), "old article\r\n");
    EXPECT_EQ(entryNames(folder_), std::vector<std::string>{"gm05.txt"});
}

TEST_F(FileSystemTest, ReadingRefusesAMissingFileAndAFolder) {
    struct Case {
        fs::path path;
        std::string message;
    };
    const Case cases[] = {
        {folder_ / "gm05.box", "gm05.box: cannot be opened: no such file"},
        {folder_ / "no such folder" / "gm05.box", "gm05.box: cannot be opened: no such file"},
        {folder_, "gm05.box: is a folder, not a file"},
    };
    for (const Case& c : cases) {
        try {
            readWholeFile(c.path, "gm05.box");
            ADD_FAILURE() << "read " << pathToUtf8(c.path);
        } catch (const InputError& error) {
            EXPECT_EQ(std::string(error.what()), c.message);
        }
    }
}

TEST_F(FileSystemTest, ReadsALargeFileWhole) {
    std::string bytes;
    for (int i = 0; bytes.size() < 200'000; ++i) {
        bytes += kAwkwardBytes + std::to_string(i);
    }
    writeBytes(folder_ / "big.box", bytes);
    EXPECT_EQ(readWholeFile(folder_ / "big.box", "big.box"), bytes);
}

TEST(ProgramFolderTest, IsTheFolderOfTheRunningExecutable) {
    // The tests are built into the build folder, beside the programs.
    EXPECT_TRUE(fs::equivalent(programFolder(), pathFromUtf8(QUILLBAT_BUILD_DIR)))
        << pathToUtf8(programFolder());
}

}  // namespace
}  // namespace quillbat
