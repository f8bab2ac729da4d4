#include "app/default_team.h"

#include <cmath>

#include "app/file_system.h"
#include "boxscore/field_reading.h"

namespace quillbat {

DefaultTeamReading readDefaultTeam(const std::optional<std::string>& typed, std::int16_t current) {
    if (!typed || typed->empty()) {
        return {current, {}};
    }
    double team = std::floor(leadingNumber(*typed));
    if (!(team >= kAllTeams && team <= kHighestTeam)) {
        return {current,
                "The default team must be a team ID from 0 to 32767, or -1 for all "
                "boxscores; it stays " +
                    std::to_string(current) + "."};
    }
    return {static_cast<std::int16_t>(team), {}};
}

std::string runDefaultTeamCommand(TextInputBox& inputBox, Settings& settings) {
    std::optional<std::string> typed =
        inputBox.ask(kDefaultTeamTitle, kDefaultTeamPrompt, std::to_string(settings.defaultTeam()));
    DefaultTeamReading reading = readDefaultTeam(typed, settings.defaultTeam());
    std::string message = reading.message;
    try {
        settings.setDefaultTeam(reading.team);
    } catch (const FileWriteError& error) {
        if (!message.empty()) {
            message += "\n";
        }
        message += std::string(error.what()) + ". The default team holds until the program ends.";
    }
    return message;
}

}  // namespace quillbat
