// A write that fails never costs the user a file: the old article stays as it was, nothing is
// left half written beside it, and the failure is reported with the file's name.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "app/cli_run.h"
#include "app/file_system.h"
#include "app/save_article.h"
#include "temp_folder.h"

namespace quillbat {
namespace {

namespace fs = std::filesystem;

const fs::path kSource = QUILLBAT_SOURCE_DIR;
const std::string kArticle = "A long enough article about the game.";

std::set<std::string> entriesOf(const fs::path& folder) {
    std::set<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        names.insert(pathToUtf8(entry.path().filename()));
    }
    return names;
}

// A folder that refuses new entries. Write permission is taken away first; where the user
// writes anyway (an administrator: root on Linux), the folder is marked immutable with chattr,
// which stops root too. unlock() (also run by the destructor) undoes both.
class LockedFolder {
  public:
    explicit LockedFolder(fs::path folder) : folder_(std::move(folder)) {}
    ~LockedFolder() { unlock(); }
    LockedFolder(const LockedFolder&) = delete;
    LockedFolder& operator=(const LockedFolder&) = delete;

    // Returns false when no way to lock the folder works on this system.
    bool lock() {
        fs::permissions(folder_,
                        fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                        fs::perm_options::remove);
        if (refusesNewFiles()) {
            return true;
        }
#ifndef _WIN32
        immutable_ = std::system(("chattr +i '" + folder_.string() + "' 2>/dev/null").c_str()) == 0;
#endif
        return immutable_ && refusesNewFiles();
    }
    void unlock() {
#ifndef _WIN32
        if (immutable_) {
            immutable_ =
                std::system(("chattr -i '" + folder_.string() + "' 2>/dev/null").c_str()) != 0;
        }
#endif
        std::error_code ignored;
        fs::permissions(folder_, fs::perms::owner_all, fs::perm_options::add, ignored);
    }

  private:
    bool refusesNewFiles() const {
        const fs::path probe = folder_ / "probe";
        if (std::ofstream(probe)) {
            std::error_code ignored;
            fs::remove(probe, ignored);
            return false;
        }
        return true;
    }

    fs::path folder_;
    bool immutable_ = false;
};

class FailedWriteTest : public testing::Test {
  protected:
    std::string boxscore(const std::string& name) const { return pathToUtf8(folder_ / name); }
    // Expects saveArticle to throw a FileWriteError that names the article file.
    void expectSaveFails(const std::string& boxscoreName, const std::string& articleName) {
        try {
            saveArticle(boxscore(boxscoreName), kArticle);
            ADD_FAILURE() << "the article beside " << boxscoreName << " was saved";
        } catch (const FileWriteError& error) {
            EXPECT_EQ(std::string(error.what()).rfind("cannot write " + boxscore(articleName), 0),
                      0u)
                << error.what();
        }
    }

    TempFolder folder_;
};

TEST_F(FailedWriteTest, AnArticleNameThatIsAFolderKeepsTheFolderAndItsFiles) {
    fs::create_directory(folder_ / "gm05.txt");
    folder_.write("gm05.txt/notes.txt", "the user's notes");
    expectSaveFails("gm05.box", "gm05.txt");
    EXPECT_TRUE(fs::is_directory(folder_ / "gm05.txt"));
    EXPECT_EQ(folder_.read("gm05.txt/notes.txt"), "the user's notes");
    EXPECT_EQ(entriesOf(folder_.path()), std::set<std::string>{"gm05.txt"});
}

TEST_F(FailedWriteTest, AFolderThatIsARegularFileKeepsThatFile) {
    folder_.write("league", "not a folder");
    expectSaveFails("league/gm05.box", "league/gm05.txt");
    EXPECT_EQ(folder_.read("league"), "not a folder");
    EXPECT_EQ(entriesOf(folder_.path()), std::set<std::string>{"league"});
}

TEST_F(FailedWriteTest, AReadOnlyFolderKeepsTheOldArticleWhole) {
    folder_.write("gm05.txt", "The old article.\r\n");
    LockedFolder locked(folder_.path());
    if (!locked.lock()) {
        GTEST_SKIP() << "this system offers no way to stop this user writing into a folder";
    }
    expectSaveFails("gm05.box", "gm05.txt");
    locked.unlock();
    EXPECT_EQ(folder_.read("gm05.txt"), "The old article.\r\n");
    EXPECT_EQ(entriesOf(folder_.path()), std::set<std::string>{"gm05.txt"});
}

// quillbat-cli --save: a boxscore whose article cannot be written is reported and counted as a
// failure, the old file stays, and the next boxscore is still written and saved.
class FailedCliSaveTest : public FailedWriteTest {
  protected:
    FailedCliSaveTest() {
        fs::create_directory(folder_ / "locked");
        for (const char* name : {"locked/gm05.box", "gm06.box", "gm07.box"}) {
            fs::copy_file(kSource / "examples" / "riverton-at-harbor-city.box", folder_ / name);
        }
    }
    int runSave() {
        CliOptions options;
        options.seed = 7;
        options.dataFolder = kSource / "data";
        options.save = true;
        options.boxscores = {boxscore("locked/gm05.box"), boxscore("gm06.box"),
                             boxscore("gm07.box")};
        return runCli(options, out, err);
    }
    // The articles printed on standard output, one per line.
    long printedArticles() const {
        const std::string text = out.str();
        return static_cast<long>(std::count(text.begin(), text.end(), '\n'));
    }

    std::ostringstream out;
    std::ostringstream err;
};

TEST_F(FailedCliSaveTest, AnArticleNameThatIsAFolderIsReportedAndTheBatchGoesOn) {
    fs::create_directory(folder_ / "gm06.txt");
    EXPECT_EQ(runSave(), 1);
    EXPECT_EQ(err.str(), "cannot write " + boxscore("gm06.txt") + ": it is a folder\n");
    EXPECT_TRUE(fs::is_directory(folder_ / "gm06.txt"));
    EXPECT_EQ(printedArticles(), 3);
    EXPECT_NE(folder_.read("locked/gm05.txt"), "");
    EXPECT_NE(folder_.read("gm07.txt"), "");
}

TEST_F(FailedCliSaveTest, AReadOnlyFolderKeepsTheOldArticleAndTheBatchGoesOn) {
    folder_.write("locked/gm05.txt", "The old article.\r\n");
    LockedFolder locked(folder_ / "locked");
    if (!locked.lock()) {
        GTEST_SKIP() << "this system offers no way to stop this user writing into a folder";
    }
    EXPECT_EQ(runSave(), 1);
    locked.unlock();
    EXPECT_EQ(err.str().rfind("cannot write " + boxscore("locked/gm05.txt") + ": ", 0), 0u)
        << err.str();
    EXPECT_EQ(folder_.read("locked/gm05.txt"), "The old article.\r\n");
    EXPECT_EQ(entriesOf(folder_ / "locked"), (std::set<std::string>{"gm05.box", "gm05.txt"}));
    EXPECT_EQ(printedArticles(), 3);
    EXPECT_NE(folder_.read("gm06.txt"), "");
    EXPECT_NE(folder_.read("gm07.txt"), "");
}

}  // namespace
}  // namespace quillbat
