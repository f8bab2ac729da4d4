#include "system/file_locations.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "system/file_system.h"
#include "tests/support/test_files.h"

namespace quillbat {

void PrintTo(const FileLocations& locations, std::ostream* out) {
    *out << locations.settingsFolder << ", " << locations.phraseFolder << ", "
         << locations.userPhraseFolder << ", " << locations.shippedPhraseFolder << ", "
         << locations.defaultBoxscoreFolder;
}

namespace {
namespace fs = std::filesystem;

constexpr auto kLinux = FolderConvention::kLinux;
constexpr auto kWindows = FolderConvention::kWindows;
const fs::path kShare = "/usr/share/quillbat";
const fs::path kXdg = "/home/ann/xdg/quillbat";
const fs::path kDotConfig = "/home/ann/.config/quillbat";
const fs::path kProgramFiles = "C:/Program Files/Quillbat";
const fs::path kRoaming = "C:/Users/ann/AppData/Roaming";
const fs::path kAppData = kRoaming / "Quillbat";

struct LocationCase {
    const char* name;
    ProgramSurroundings surroundings;
    std::vector<fs::path> foldersWithPhraseFiles;
    FileLocations expected;
};

// clang-format off
const LocationCase kLocationCases[] = {
    {"unzipped copy", {kLinux, "/home/ann/qb", true, {}, "/home/ann/xdg", "/home/ann"},
     {"/home/ann/qb", kXdg / "phrases"},
     {"/home/ann/qb", "/home/ann/qb", "/home/ann/qb", "/home/ann/qb", "/home/ann"}},
    {"read-only copy", {kLinux, "/home/ann/qb", false, {}, "/home/ann/xdg", "/home/ann"},
     {"/home/ann/qb"}, {kXdg, "/home/ann/qb", kXdg / "phrases", "/home/ann/qb", "/home/ann"}},
    {"user phrases empty", {kLinux, "/usr/bin", false, {}, "/home/ann/xdg", "/home/ann"}, {},
     {kXdg, kShare, kXdg / "phrases", kShare, "/home/ann"}},
    {"user phrases", {kLinux, "/usr/bin", false, {}, "/home/ann/xdg", "/home/ann"},
     {kXdg / "phrases"}, {kXdg, kXdg / "phrases", kXdg / "phrases", kShare, "/home/ann"}},
    {"root may write /usr/bin", {kLinux, "/usr/bin", true, {}, {}, "/root"}, {},
     {"/root/.config/quillbat", kShare, "/root/.config/quillbat/phrases", kShare, "/root"}},
    {"no XDG_CONFIG_HOME", {kLinux, "/usr/bin", false, "C:/AppData", {}, "/home/ann"}, {},
     {kDotConfig, kShare, kDotConfig / "phrases", kShare, "/home/ann"}},
    {"relative XDG_CONFIG_HOME", {kLinux, "/usr/bin", false, {}, "xdg", "/home/ann"},
     {kDotConfig / "phrases"},
     {kDotConfig, kDotConfig / "phrases", kDotConfig / "phrases", kShare, "/home/ann"}},
    {"no user folder", {kLinux, "/usr/bin", false, "C:/AppData", {}, {}}, {},
     {"/usr/bin", kShare, kShare, kShare, "/"}},
    {"other prefix", {kLinux, "/opt/qb/bin", false, {}, {}, "/home/ann"}, {},
     {kDotConfig, "/opt/qb/share/quillbat", kDotConfig / "phrases", "/opt/qb/share/quillbat",
      "/home/ann"}},
    {"unzipped on Windows", {kWindows, "D:/Qb", true, "C:/AppData", {}, "/home/ann"}, {"D:/Qb"},
     {"D:/Qb", "D:/Qb", "D:/Qb", "D:/Qb", "c:\\"}},
    {"Program Files", {kWindows, kProgramFiles, false, kRoaming, {}, {}}, {kProgramFiles},
     {kAppData, kProgramFiles, kAppData / "phrases", kProgramFiles, "c:\\"}},
    {"Program Files, user phrases", {kWindows, kProgramFiles, false, kRoaming, {}, {}},
     {kProgramFiles, kAppData / "phrases"},
     {kAppData, kAppData / "phrases", kAppData / "phrases", kProgramFiles, "c:\\"}},
    {"no APPDATA", {kWindows, kProgramFiles, false, {}, "/home/ann/xdg", "/home/ann"},
     {kProgramFiles}, {kProgramFiles, kProgramFiles, kProgramFiles, kProgramFiles, "c:\\"}},
};
// clang-format on

TEST(FileLocationsTest, ReadOnlyProgramFolderMovesSettingsAndPhrasesToTheUser) {
    for (const LocationCase& c : kLocationCases) {
        const auto holds = [&c](const fs::path& folder) {
            return std::ranges::count(c.foldersWithPhraseFiles, folder) > 0;
        };
        EXPECT_EQ(fileLocations(c.surroundings, holds), c.expected) << c.name;
    }
}

TEST(FileLocationsTest, WriteProbeCreatesNothingThatStays) {
    TempFolder folder;
    folder.write("team.dat", "5\r\n");
    EXPECT_TRUE(canCreateFilesIn(folder.path()));
    EXPECT_FALSE(canCreateFilesIn(folder / "missing"));
    EXPECT_FALSE(canCreateFilesIn(folder / "team.dat"));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1);
}

}  // namespace
}  // namespace quillbat
