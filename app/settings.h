#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "app/boxscore_filter.h"
#include "app/env.h"
#include "app/name_style.h"

// The remembered settings of the main window and their files beside the program: team.dat
// holds the default team number ("5" CR LF), path.dat the remembered folder in quotation marks
// ("\"C:\\Games\\Boxes\"" CR LF), names.dat the style of the players' names ("newspaper" CR LF).
namespace quillbat {

// Default team numbers run from kAllTeams to the highest team ID the game can hold.
inline constexpr std::int16_t kHighestTeam = 32767;
inline constexpr const char* kDefaultFolder = "c:\\";

class Settings {
  public:
    // Settings at their defaults (every boxscore, folder "c:\") whose files lie in folder and
    // are written through env. Reads nothing.
    Settings(std::filesystem::path folder, Env& env);

    // Reads both files. When either is missing, empty or unreadable, or its first field is not
    // a setting (a team number outside -1..32767, an unclosed quotation mark), BOTH settings
    // take their defaults. Reads names.dat apart from them: the newspaper style when its first
    // field is "newspaper", the boxscore style otherwise (a missing file too). Never throws;
    // leaves no file open.
    void load();

    std::int16_t defaultTeam() const { return defaultTeam_; }
    const std::string& folder() const { return folder_; }
    NameStyle nameStyle() const { return nameStyle_; }

    // Sets the default team number and rewrites team.dat. When the file cannot be written the
    // number still holds for this run of the program and FileWriteError is thrown.
    void setDefaultTeam(std::int16_t team);

    // Sets the remembered folder (UTF-8) and rewrites path.dat; on a write failure as above.
    // Writes team.dat too when it did not hold a team number yet, since without one the next
    // load() would forget the folder again.
    void rememberFolder(const std::string& folder);

    // Sets the style of the players' names and rewrites names.dat; on a write failure as above.
    void setNameStyle(NameStyle style);

  private:
    std::filesystem::path settingsFolder_;
    Env& env_;
    std::int16_t defaultTeam_ = kAllTeams;
    std::string folder_ = kDefaultFolder;
    bool teamFileHolds_ = false;  // team.dat was read or written with a team number
    NameStyle nameStyle_ = NameStyle::kBoxscore;
};

}  // namespace quillbat
