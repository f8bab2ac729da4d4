#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "core/name_style.h"
#include "desktop/boxscore_filter.h"
#include "system/env.h"

// The remembered settings of the main window and their files in the settings folder: team.dat
// holds the default team number ("5" CR LF), path.dat the remembered folder in quotation marks
// ("\"C:\\Games\\Boxes\"" CR LF), names.dat the style of the players' names ("newspaper" CR LF),
// gamestory.dat whether the articles tell how the game was won ("on" CR LF).
namespace quillbat {

// Default team numbers run from kAllTeams to the highest team ID the game can hold.
inline constexpr std::int16_t kHighestTeam = 32767;

class Settings {
  public:
    // Settings at their defaults (every boxscore, the folder defaultFolder, UTF-8) whose files
    // lie in folder and are read and written through env; the folder is created at the first write.
    // Reads nothing.
    Settings(std::filesystem::path folder, Env& env, std::string defaultFolder);

    // Reads both files. When either is missing, empty or unreadable, or its first field is not
    // a setting (a team number outside -1..32767, an unclosed quotation mark), BOTH settings
    // take their defaults. Reads names.dat and gamestory.dat apart from them, each on its own:
    // the newspaper style when the first field of names.dat is "newspaper", the boxscore style
    // otherwise (a missing file too); the game story on when the first field of gamestory.dat
    // is "on", off otherwise. Never throws; leaves no file open.
    void load();

    std::int16_t defaultTeam() const { return defaultTeam_; }
    const std::string& folder() const { return folder_; }
    NameStyle nameStyle() const { return nameStyle_; }
    bool gameStory() const { return gameStory_; }

    // Sets the default team number and rewrites team.dat. When the file cannot be written the
    // number still holds for this run of the program and FileWriteError is thrown. Writes
    // path.dat too (with the current folder) when it did not hold a folder yet, since without
    // one the next load() would forget the number again.
    void setDefaultTeam(std::int16_t team);

    // Sets the remembered folder (UTF-8) and rewrites path.dat; on a write failure as above.
    // Writes team.dat too when it did not hold a team number yet, for the same reason.
    void rememberFolder(const std::string& folder);

    // Sets the style of the players' names and rewrites names.dat; on a write failure as above.
    void setNameStyle(NameStyle style);

    // Switches the game story on or off and rewrites gamestory.dat; on a write failure as above.
    void setGameStory(bool on);

  private:
    // The first field of a settings file that holds one word; nothing when it is missing or
    // unreadable.
    std::optional<std::string> readSwitch(const char* fileName);
    void writeTeamFile();
    void writePathFile();
    void write(const char* fileName, const std::string& bytes);

    std::filesystem::path settingsFolder_;
    Env& env_;
    std::string defaultFolder_;
    std::int16_t defaultTeam_ = kAllTeams;
    std::string folder_;
    bool teamFileHolds_ = false;  // team.dat was read or written with a team number
    NameStyle nameStyle_ = NameStyle::kBoxscore;
    bool gameStory_ = false;
    bool pathFileHolds_ = false;  // path.dat was read or written with a folder
};

}  // namespace quillbat
