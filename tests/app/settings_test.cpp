#include "app/settings.h"

#include <gtest/gtest.h>

#include <optional>
#include <tuple>

#include "app/file_system.h"
#include "temp_folder.h"

namespace quillbat {
namespace {

TEST(SettingsLoad, BothFilesOrBothDefaults) {
    const std::string path = "\"/boxes\"\r\n";
    const struct {
        std::optional<std::string> team, path;
        int defaultTeam;
        std::string folder;
    } cases[] = {
        {std::nullopt, std::nullopt, -1, "c:\\"},
        {"5\r\n", "\"C:\\Games\\Boxes\"\r\n", 5, "C:\\Games\\Boxes"},
        // Either file missing or empty resets the other setting too.
        {"12\r\n", std::nullopt, -1, "c:\\"},
        {std::nullopt, path, -1, "c:\\"},
        {"7\r\n", "", -1, "c:\\"},
        {"", path, -1, "c:\\"},
        // A quoted folder keeps its commas; an unquoted one ends at the first.
        {"-1\r\n", "\"/leagues/AL, 1999, east\",ignored\r\n", -1, "/leagues/AL, 1999, east"},
        {"  3 ,4\n", "  /leagues/AL, 1999\r\n", 3, "/leagues/AL"},
        // Unreadable first fields; 32767 is the highest team.
        {"abc\r\n", path, -1, "c:\\"},
        {"-2\r\n", path, -1, "c:\\"},
        {"32768\r\n", path, -1, "c:\\"},
        {"32767\r\n", path, 32767, "/boxes"},
        {"5x\r\n", path, -1, "c:\\"},
        {"\r\n", path, -1, "c:\\"},
        {"5\r\n", "\"/never closed\r\n", -1, "c:\\"},
        // A folder in Windows-1252 is read as text.
        {"1\r\n",
         "\"C:\\Liga Espa\xf1"
         "a\"\r\n",
         1,
         "C:\\Liga Espa\xc3\xb1"
         "a"},
    };
    for (const auto& c : cases) {
        TempFolder folder;
        if (c.team) {
            folder.write("team.dat", *c.team);
        }
        if (c.path) {
            folder.write("path.dat", *c.path);
        }
        Settings settings(folder.path());
        settings.load();
        EXPECT_EQ(std::tuple(settings.defaultTeam(), settings.folder()),
                  std::tuple(c.defaultTeam, c.folder))
            << c.team.value_or("no team.dat") << " / " << c.path.value_or("no path.dat");
    }
}

TEST(SettingsSave, WritesBothFilesAndReadsThemBack) {
    TempFolder folder;
    Settings settings(folder.path());
    settings.setDefaultTeam(-1);
    EXPECT_EQ(folder.read("team.dat"), "-1\r\n");
    settings.setDefaultTeam(5);
    settings.rememberFolder("/leagues/AL, 1999");
    EXPECT_EQ(folder.read("team.dat"), "5\r\n");
    EXPECT_EQ(folder.read("path.dat"), "\"/leagues/AL, 1999\"\r\n");
    Settings again(folder.path());
    again.load();
    EXPECT_EQ(std::tuple(again.defaultTeam(), again.folder()), std::tuple(5, "/leagues/AL, 1999"));
}

TEST(SettingsSave, RememberingAFolderWritesATeamFileOnlyWhenThereIsNone) {
    TempFolder folder;
    Settings(folder.path()).rememberFolder("/boxes");
    EXPECT_EQ(folder.read("team.dat"), "-1\r\n");
    Settings restarted(folder.path());
    restarted.load();
    EXPECT_EQ(restarted.folder(), "/boxes");
    folder.write("team.dat", "7\r\n");
    restarted.rememberFolder("/other");
    EXPECT_EQ(folder.read("team.dat"), "7\r\n");
}

TEST(SettingsSave, UnwritableFolderKeepsTheSettingsAndThrows) {
    TempFolder folder;
    folder.write("not-a-folder", "x");
    Settings settings(folder / "not-a-folder");
    EXPECT_THROW(settings.setDefaultTeam(12), FileWriteError);
    EXPECT_THROW(settings.rememberFolder("/boxes"), FileWriteError);
    EXPECT_EQ(std::tuple(settings.defaultTeam(), settings.folder()), std::tuple(12, "/boxes"));
}

}  // namespace
}  // namespace quillbat
