#include "app/file_locations.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "app/check_phrases.h"
#include "app/file_system.h"
#include "temp_folder.h"

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
    bool userFolderHoldsPhraseFiles;
    FileLocations expected;
};

// clang-format off
const LocationCase kLocationCases[] = {
    {"unzipped copy", {kLinux, "/home/ann/qb", true, {}, "/home/ann/xdg", "/home/ann"}, true,
     {"/home/ann/qb", "/home/ann/qb", "/home/ann/qb", "/home/ann/qb", "/home/ann"}},
    {"user phrases empty", {kLinux, "/usr/bin", false, {}, "/home/ann/xdg", "/home/ann"}, false,
     {kXdg, kShare, kXdg / "phrases", kShare, "/home/ann"}},
    {"user phrases", {kLinux, "/usr/bin", false, {}, "/home/ann/xdg", "/home/ann"}, true,
     {kXdg, kXdg / "phrases", kXdg / "phrases", kShare, "/home/ann"}},
    {"no XDG_CONFIG_HOME", {kLinux, "/usr/bin", false, "C:/AppData", {}, "/home/ann"}, true,
     {kDotConfig, kDotConfig / "phrases", kDotConfig / "phrases", kShare, "/home/ann"}},
    {"relative XDG_CONFIG_HOME", {kLinux, "/usr/bin", false, {}, "xdg", "/home/ann"}, false,
     {kDotConfig, kShare, kDotConfig / "phrases", kShare, "/home/ann"}},
    {"no user folder", {kLinux, "/usr/bin", false, "C:/AppData", {}, {}}, true,
     {"/usr/bin", kShare, kShare, kShare, "/"}},
    {"other prefix", {kLinux, "/opt/qb/bin", false, {}, {}, "/root"}, false,
     {"/root/.config/quillbat", "/opt/qb/share/quillbat", "/root/.config/quillbat/phrases",
      "/opt/qb/share/quillbat", "/root"}},
    {"unzipped on Windows", {kWindows, "D:/Qb", true, "C:/AppData", {}, "/home/ann"}, true,
     {"D:/Qb", "D:/Qb", "D:/Qb", "D:/Qb", "c:\\"}},
    {"Program Files, user phrases empty", {kWindows, kProgramFiles, false, kRoaming, {}, {}}, false,
     {kAppData, kProgramFiles, kAppData / "phrases", kProgramFiles, "c:\\"}},
    {"Program Files, user phrases", {kWindows, kProgramFiles, false, kRoaming, {}, {}}, true,
     {kAppData, kAppData / "phrases", kAppData / "phrases", kProgramFiles, "c:\\"}},
    {"no APPDATA", {kWindows, kProgramFiles, false, {}, "/home/ann/xdg", "/home/ann"}, true,
     {kProgramFiles, kProgramFiles, kProgramFiles, kProgramFiles, "c:\\"}},
};
// clang-format on

TEST(FileLocationsTest, ReadOnlyProgramFolderMovesSettingsAndPhrasesToTheUser) {
    for (const LocationCase& c : kLocationCases) {
        const auto holds = [&c](const fs::path& folder) {
            return c.userFolderHoldsPhraseFiles && folder == c.expected.userPhraseFolder;
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
    std::vector<fs::path> entries;
    for (const auto& entry : fs::directory_iterator(folder.path())) {
        entries.push_back(entry.path().filename());
    }
    EXPECT_EQ(entries, std::vector<fs::path>{"team.dat"});
}

TEST(FileLocationsTest, CheckWithoutAFolderNamesTheBuildFolderFirst) {
    std::ostringstream out;
    EXPECT_EQ(checkProgramsPhraseFiles(out), 0);
    EXPECT_EQ(out.str(), "Phrase files: " + pathToUtf8(programFolder()) + "\n");
}

}  // namespace
}  // namespace quillbat
