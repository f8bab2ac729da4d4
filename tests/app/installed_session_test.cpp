// The desktop session of an installed program, whose own folder cannot be written: settings and
// edited phrase files live in the user's configuration folder, on the disk.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/desktop_session.h"
#include "app/file_system.h"
#include "app/user_phrase_folder.h"
#include "tests/app/test_env.h"

namespace quillbat {
namespace {
namespace fs = std::filesystem;
using testing::StartsWith;

const fs::path kSource = QUILLBAT_SOURCE_DIR;
const std::string kGame = pathToUtf8(kSource / "examples" / "2026081904801.box");

class InstalledSession : public testing::Test {
  protected:
    // The locations of a program in program/bin that may not write there, the shipped phrase
    // files put where it looks for them; the user's folders are named by configuration.
    FileLocations installed(const fs::path& configuration) {
        const ProgramSurroundings surroundings{kThisSystemsConvention, root_ / "bin", false,
                                               configuration,          configuration, root_};
        FileLocations locations = fileLocations(surroundings, holdsPhraseFiles);
        fs::create_directories(locations.shippedPhraseFolder.parent_path());
        fs::copy(kSource / "data", locations.shippedPhraseFolder);
        return locations;
    }

    TempFolder folder_;
    const fs::path root_ = folder_ / "program";
};

TEST_F(InstalledSession, DefaultTeamIsReadBackAtTheNextStart) {
    const FileLocations locations = installed(folder_ / "config");
    EXPECT_EQ(DesktopSession(locations, systemEnv(), 1).setDefaultTeam("12"), "");
    DesktopSession nextStart(locations, systemEnv(), 1);
    EXPECT_EQ(nextStart.defaultTeamPreset(), "12");
    const bool windows = kThisSystemsConvention == FolderConvention::kWindows;
    EXPECT_EQ(nextStart.openDialogFolder(), windows ? "c:\\" : pathToUtf8(root_));
    EXPECT_EQ(folder_.read(windows ? "config/Quillbat/team.dat" : "config/quillbat/team.dat"),
              "12\r\n");
    EXPECT_FALSE(fs::exists(root_ / "bin" / "team.dat"));
}

TEST_F(InstalledSession, PhraseFolderIsFilledOnceAndTheUsersEditsAreUsed) {
    const FileLocations locations = installed(folder_ / "config");
    DesktopSession session(locations, systemEnv(), 7);
    EXPECT_EQ(session.openPhraseFolder().folder, pathToUtf8(locations.userPhraseFolder));
    const fs::path edited = locations.userPhraseFolder / "temperature.dat";
    const fs::path deleted = locations.userPhraseFolder / "homerun.dat";
    EXPECT_EQ(readWholeFile(deleted, ""), readWholeFile(kSource / "data" / "homerun.dat", ""));
    replaceFileAtomically(edited,
                          "none,Our words\r\n100,Our words\r\nhot,Our words\r\n"
                          "chilly,Our words\r\ncold,Our words\r\nnormal,Our words\r\n");
    fs::remove(deleted);
    const DesktopSession::PhraseFolderOpening again = session.openPhraseFolder();
    EXPECT_EQ(again.message, "");
    EXPECT_TRUE(fs::exists(deleted));
    EXPECT_THAT(session.load(kGame).game->article, StartsWith("Our words"));
}

TEST_F(InstalledSession, ConfigurationFolderThatCannotBeMadeIsReported) {
    folder_.write("config", "a file where the folder should be");
    const FileLocations locations = installed(folder_ / "config");
    DesktopSession session(locations, systemEnv(), 7);
    const std::string cannot = "cannot create " + pathToUtf8(locations.settingsFolder);
    EXPECT_THAT(session.setDefaultTeam("12"), StartsWith(cannot));
    EXPECT_EQ(session.defaultTeamPreset(), "12");
    EXPECT_THAT(session.openPhraseFolder().message, StartsWith(cannot));
    EXPECT_TRUE(session.load(kGame).complete);
}

}  // namespace
}  // namespace quillbat
