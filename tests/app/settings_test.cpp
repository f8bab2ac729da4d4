#include "app/settings.h"

#include <gtest/gtest.h>

#include "app/file_system.h"
#include "temp_folder.h"

namespace quillbat {
namespace {

class SettingsTest : public ::testing::Test {
  protected:
    void write(const std::string& name, const std::string& bytes) { folder_.write(name, bytes); }
    std::string read(const std::string& name) const { return folder_.read(name); }
    Settings loaded() const {
        Settings settings(folder_.path());
        settings.load();
        return settings;
    }
    void expectDefaults(const Settings& settings) const {
        EXPECT_EQ(settings.defaultTeam(), -1);
        EXPECT_EQ(settings.folder(), "c:\\");
    }

    TempFolder folder_;
};

TEST_F(SettingsTest, NoFilesGiveTheDefaults) {
    expectDefaults(loaded());
}

TEST_F(SettingsTest, ReadsBothFiles) {
    write("team.dat", "5\r\n");
    write("path.dat", "\"C:\\Games\\Boxes\"\r\n");
    Settings settings = loaded();
    EXPECT_EQ(settings.defaultTeam(), 5);
    EXPECT_EQ(settings.folder(), "C:\\Games\\Boxes");
}

TEST_F(SettingsTest, TeamFileWithoutPathFileResetsTheTeamToo) {
    write("team.dat", "12\r\n");
    expectDefaults(loaded());
}

TEST_F(SettingsTest, PathFileWithoutTeamFileResetsTheFolderToo) {
    write("path.dat", "\"/boxes\"\r\n");
    expectDefaults(loaded());
}

TEST_F(SettingsTest, EmptyFilesGiveTheDefaults) {
    write("team.dat", "7\r\n");
    write("path.dat", "");
    expectDefaults(loaded());
    write("team.dat", "");
    write("path.dat", "\"/boxes\"\r\n");
    expectDefaults(loaded());
}

TEST_F(SettingsTest, QuotedFolderKeepsItsCommas) {
    write("team.dat", "-1\r\n");
    write("path.dat", "\"/leagues/AL, 1999, east\",ignored\r\n");
    EXPECT_EQ(loaded().folder(), "/leagues/AL, 1999, east");
}

TEST_F(SettingsTest, UnquotedFolderEndsAtTheFirstComma) {
    write("team.dat", "  3 ,4\n");
    write("path.dat", "  /leagues/AL, 1999\r\n");
    Settings settings = loaded();
    EXPECT_EQ(settings.defaultTeam(), 3);
    EXPECT_EQ(settings.folder(), "/leagues/AL");
}

TEST_F(SettingsTest, UnreadableFirstFieldsGiveTheDefaults) {
    write("path.dat", "\"/boxes\"\r\n");
    for (const char* team : {"abc\r\n", "-2\r\n", "32768\r\n", "5x\r\n", "\r\n"}) {
        write("team.dat", team);
        expectDefaults(loaded());
    }
    write("team.dat", "32767\r\n");
    EXPECT_EQ(loaded().defaultTeam(), 32767);
    write("path.dat", "\"/never closed\r\n");
    expectDefaults(loaded());
}

TEST_F(SettingsTest, FolderInWindows1252IsReadAsText) {
    write("team.dat", "1\r\n");
    write("path.dat",
          "\"C:\\Liga Espa\xf1"
          "a\"\r\n");
    EXPECT_EQ(loaded().folder(),
              "C:\\Liga Espa\xc3\xb1"
              "a");
}

TEST_F(SettingsTest, WritesBothFilesAndReadsThemBack) {
    Settings settings(folder_.path());
    settings.setDefaultTeam(-1);
    EXPECT_EQ(read("team.dat"), "-1\r\n");
    settings.setDefaultTeam(5);
    settings.rememberFolder("/leagues/AL, 1999");
    EXPECT_EQ(read("team.dat"), "5\r\n");
    EXPECT_EQ(read("path.dat"), "\"/leagues/AL, 1999\"\r\n");
    Settings again = loaded();
    EXPECT_EQ(again.defaultTeam(), 5);
    EXPECT_EQ(again.folder(), "/leagues/AL, 1999");
}

TEST_F(SettingsTest, RememberedFolderSurvivesARestartWithoutTeamFile) {
    Settings settings(folder_.path());
    settings.rememberFolder("/boxes");
    EXPECT_EQ(read("team.dat"), "-1\r\n");
    EXPECT_EQ(loaded().folder(), "/boxes");
}

TEST_F(SettingsTest, RememberingAFolderKeepsAnExistingTeamFile) {
    write("team.dat", "7\r\n");
    Settings settings(folder_.path());
    settings.rememberFolder("/boxes");
    EXPECT_EQ(read("team.dat"), "7\r\n");
}

TEST_F(SettingsTest, UnwritableFolderKeepsTheSettingsAndThrows) {
    folder_.write("not-a-folder", "x");
    Settings settings(folder_ / "not-a-folder");
    EXPECT_THROW(settings.setDefaultTeam(12), FileWriteError);
    EXPECT_THROW(settings.rememberFolder("/boxes"), FileWriteError);
    EXPECT_EQ(settings.defaultTeam(), 12);
    EXPECT_EQ(settings.folder(), "/boxes");
}

}  // namespace
}  // namespace quillbat
