#include "desktop/settings.h"

#include <charconv>
#include <optional>
#include <string_view>
#include <utility>

#include "boxscore/input_error.h"
#include "core/text_encoding.h"
#include "system/file_system.h"

namespace quillbat {
namespace {

constexpr const char* kTeamFile = "team.dat";
constexpr const char* kPathFile = "path.dat";
constexpr const char* kNamesFile = "names.dat";
constexpr const char* kGameStoryFile = "gamestory.dat";
constexpr const char* kNewspaper = "newspaper";
constexpr const char* kOn = "on";

// The first field of a settings file: inside the quotation marks when it starts with one (so
// a folder holding commas survives), otherwise up to the first comma or line end, without the
// blanks around it. Empty when the file holds no field; nothing for an unclosed quotation mark.
std::optional<std::string> firstField(std::string_view bytes) {
    std::size_t start = bytes.find_first_not_of(" \t");
    if (start == std::string_view::npos) {
        return std::string{};
    }
    bytes.remove_prefix(start);
    if (bytes.front() == '"') {
        std::size_t close = bytes.find('"', 1);
        if (close == std::string_view::npos) {
            return std::nullopt;
        }
        return std::string(bytes.substr(1, close - 1));
    }
    std::string_view field = bytes.substr(0, bytes.find_first_of(",\r\n"));
    std::size_t end = field.find_last_not_of(" \t");
    return std::string(field.substr(0, end == std::string_view::npos ? 0 : end + 1));
}

std::optional<std::int16_t> readTeam(std::string_view bytes) {
    std::optional<std::string> field = firstField(bytes);
    if (!field || field->empty()) {
        return std::nullopt;
    }
    int team = 0;
    const char* end = field->data() + field->size();
    auto [stop, error] = std::from_chars(field->data(), end, team);
    if (error != std::errc{} || stop != end || team < kAllTeams || team > kHighestTeam) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(team);
}

std::optional<std::string> readFolder(std::string_view bytes) {
    if (bytes.empty()) {
        return std::nullopt;
    }
    std::optional<std::string> field = firstField(bytes);
    // A path.dat written by an older program on Windows holds the folder in Windows-1252.
    if (field && !isValidUtf8(*field)) {
        field = windows1252ToUtf8(*field);
    }
    return field;
}

}  // namespace

Settings::Settings(std::filesystem::path folder, Env& env, std::string defaultFolder)
    : settingsFolder_(std::move(folder)),
      env_(env),
      defaultFolder_(std::move(defaultFolder)),
      folder_(defaultFolder_) {}

void Settings::load() {
    std::optional<std::int16_t> team;
    std::optional<std::string> folder;
    try {
        team = readTeam(env_.readFile(settingsFolder_ / kTeamFile, kTeamFile));
        folder = readFolder(env_.readFile(settingsFolder_ / kPathFile, kPathFile));
    } catch (const InputError&) {
        // A missing or unreadable file resets both settings below.
    }
    teamFileHolds_ = team.has_value();
    pathFileHolds_ = folder.has_value();
    if (team && folder) {
        defaultTeam_ = *team;
        folder_ = std::move(*folder);
    } else {
        defaultTeam_ = kAllTeams;
        folder_ = defaultFolder_;
    }
    nameStyle_ =
        readSwitch(kNamesFile) == kNewspaper ? NameStyle::kNewspaper : NameStyle::kBoxscore;
    gameStory_ = readSwitch(kGameStoryFile) == kOn;
}

std::optional<std::string> Settings::readSwitch(const char* fileName) {
    try {
        return firstField(env_.readFile(settingsFolder_ / fileName, fileName));
    } catch (const InputError&) {
        return std::nullopt;
    }
}

void Settings::setDefaultTeam(std::int16_t team) {
    defaultTeam_ = team;
    writeTeamFile();
    if (!pathFileHolds_) {
        writePathFile();
    }
}

void Settings::setNameStyle(NameStyle style) {
    nameStyle_ = style;
    write(kNamesFile,
          std::string(style == NameStyle::kNewspaper ? kNewspaper : "boxscore") + "\r\n");
}

void Settings::setGameStory(bool on) {
    gameStory_ = on;
    write(kGameStoryFile, std::string(on ? kOn : "off") + "\r\n");
}

void Settings::rememberFolder(const std::string& folder) {
    folder_ = folder;
    writePathFile();
    if (!teamFileHolds_) {
        writeTeamFile();
    }
}

void Settings::writeTeamFile() {
    write(kTeamFile, std::to_string(defaultTeam_) + "\r\n");
    teamFileHolds_ = true;
}

void Settings::writePathFile() {
    write(kPathFile, "\"" + folder_ + "\"\r\n");
    pathFileHolds_ = true;
}

void Settings::write(const char* fileName, const std::string& bytes) {
    env_.createFolder(settingsFolder_);
    env_.replaceFile(settingsFolder_ / fileName, bytes);
}

}  // namespace quillbat
