// The desktop session of an installed program, whose own folder cannot be written: settings and
// edited phrase files live in the user's configuration folder (all in memory here).

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

#include "core/phrase_folders.h"
#include "desktop/desktop_session.h"
#include "tests/support/memory_env.h"
#include "tests/support/test_games.h"

namespace quillbat {
namespace {
namespace fs = std::filesystem;
using testing::StartsWith;

class InstalledSession : public testing::Test {
  protected:
    // A program in program/bin that may not write there, the shipped phrase files where it
    // looks for them, the user's folders in config.
    InstalledSession() {
        const ProgramSurroundings surroundings{
            kThisSystemsConvention, root_ / "bin", false, config_, config_, root_};
        env_.copyFromDisk(kSourceFolder / "data",
                          windows_ ? root_ / "bin" : root_ / "share" / "quillbat");
        env_.files[game_] = systemEnv().readFile(kWorkedExample, kWorkedExample);
        locations_ = fileLocations(surroundings, [this](const fs::path& folder) {
            return holdsPhraseFiles(folder, env_);
        });
    }

    const bool windows_ = kThisSystemsConvention == FolderConvention::kWindows;
    const fs::path root_ = kMemoryFolder / "program";
    const fs::path config_ = kMemoryFolder / "config";
    const fs::path game_ = kMemoryFolder / "gm05.box";
    MemoryEnv env_;
    FileLocations locations_;
};

// The user's configuration folder is not there before the first setting is written, whichever
// setting that is; each one is written there, not beside the program, and read back at the next
// start.
TEST_F(InstalledSession, EverySettingMakesTheConfigurationFolderAtItsFirstWrite) {
    const std::string gameFolder = pathToUtf8(kMemoryFolder);
    const struct {
        const char* file;
        std::string bytes;
        std::function<std::string(DesktopSession&)> change;  // gives the message
        std::function<bool(const DesktopSession&)> holds;
    } cases[] = {
        {"team.dat", "12\r\n", [](DesktopSession& session) { return session.setDefaultTeam("12"); },
         [](const DesktopSession& session) { return session.defaultTeamPreset() == "12"; }},
        {"names.dat", "newspaper\r\n",
         [](DesktopSession& session) { return session.setNameStyle(NameStyle::kNewspaper); },
         [](const DesktopSession& session) {
             return session.isChecked(MenuCommand::NewspaperNames);
         }},
        {"gamestory.dat", "on\r\n",
         [](DesktopSession& session) { return session.setGameStory(true); },
         [](const DesktopSession& session) { return session.isChecked(MenuCommand::GameStory); }},
        {"path.dat", "\"" + gameFolder + "\"\r\n",
         [this](DesktopSession& session) { return session.load(pathToUtf8(game_)).message; },
         [&gameFolder](const DesktopSession& session) {
             return session.openDialogFolder() == gameFolder;
         }},
    };
    const MemoryEnv installed = env_;
    const fs::path settings = config_ / (windows_ ? "Quillbat" : "quillbat");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        env_ = installed;
        {
            DesktopSession session(locations_, env_, 1);
            EXPECT_EQ(c.change(session), "");
        }
        EXPECT_EQ(env_.files[settings / c.file], c.bytes);
        EXPECT_FALSE(env_.files.contains(root_ / "bin" / c.file));
        EXPECT_TRUE(c.holds(DesktopSession(locations_, env_, 1)));
    }
    // Before any setting, the Open dialog starts in the home folder (c:\ on Windows).
    env_ = installed;
    EXPECT_EQ(DesktopSession(locations_, env_, 1).openDialogFolder(),
              windows_ ? "c:\\" : pathToUtf8(root_));
}

TEST_F(InstalledSession, PhraseFolderIsFilledOnceAndTheUsersEditsAreUsed) {
    // The user's phrase folder holds no phrase file yet: the shipped ones are used.
    EXPECT_EQ(locations_.phraseFolder, locations_.shippedPhraseFolder);
    DesktopSession session(locations_, env_, 7);
    EXPECT_EQ(session.openPhraseFolder().folder, pathToUtf8(locations_.userPhraseFolder));
    const fs::path edited = locations_.userPhraseFolder / "temperature.dat";
    const fs::path deleted = locations_.userPhraseFolder / "homerun.dat";
    EXPECT_EQ(env_.files[deleted], env_.files[locations_.shippedPhraseFolder / "homerun.dat"]);
    env_.files[edited] =
        "none,Our words\r\n100,Our words\r\nhot,Our words\r\nchilly,Our words\r\n"
        "cold,Our words\r\nnormal,Our words\r\n";
    env_.files.erase(deleted);
    const DesktopSession::PhraseFolderOpening again = session.openPhraseFolder();
    EXPECT_EQ(again.message, "");
    EXPECT_TRUE(env_.files.contains(deleted));
    EXPECT_THAT(session.load(pathToUtf8(game_)).game->article, StartsWith("Our words"));
}

// A phrase folder the user filled before the game's story came holds no story.dat: the story
// is then told from the program's own.
TEST_F(InstalledSession, StoryOfAPhraseFolderWithoutStoryDat) {
    const fs::path gameTwo = kMemoryFolder / "2026081904802.box";
    env_.files[gameTwo] =
        systemEnv().readFile(kSourceFolder / "examples" / "2026081904802.box", "Game Two");
    DesktopSession(locations_, env_, 7).openPhraseFolder();
    env_.files.erase(locations_.userPhraseFolder / "story.dat");
    const FileLocations filled =
        fileLocations({kThisSystemsConvention, root_ / "bin", false, config_, config_, root_},
                      [this](const fs::path& folder) { return holdsPhraseFiles(folder, env_); });
    ASSERT_EQ(filled.phraseFolder, locations_.userPhraseFolder);
    DesktopSession session(filled, env_, 7);
    session.setGameStory(true);
    const GameLoad load = session.load(pathToUtf8(gameTwo));
    EXPECT_TRUE(load.complete) << load.message;
    EXPECT_NE(load.game->article.find("Voskuijlen's three-run homer"), std::string::npos);
}

// Open Phrase Folder gives the user the paper's style sheet to edit too, and League Paper then
// takes the edited one.
TEST_F(InstalledSession, PaperTakesTheStyleSheetOfTheUsersPhraseFolder) {
    DesktopSession session(locations_, env_, 7);
    session.openPhraseFolder();
    const fs::path styleSheet = locations_.userPhraseFolder / "paper.css";
    EXPECT_EQ(env_.files[styleSheet], env_.files[locations_.shippedPhraseFolder / "paper.css"]);
    env_.files[styleSheet] = "body { color: navy; }\n";
    EXPECT_TRUE(session.writePaper(pathToUtf8(kMemoryFolder), {}).complete);
    EXPECT_EQ(env_.files[kMemoryFolder / "paper" / "paper.css"], "body { color: navy; }\n");
}

}  // namespace
}  // namespace quillbat
