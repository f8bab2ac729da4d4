#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "app/boxscore_filter.h"

// The Default Team command: the user types the DMB game's ID of a team whose home boxscores
// the Open dialog then lists, or -1 for every boxscore.
namespace quillbat {

inline constexpr const char* kDefaultTeamTitle = "Default Team Number";
inline constexpr const char* kDefaultTeamPrompt =
    "Select a team ID number to pull up all home boxscores for that team.  Set to -1 (negative "
    "1) to choose from all boxscores. Team IDs can be found in the DMB game by clicking on "
    "View-Organizer-Teams under the ID heading.";

// What the typed text makes of the default team number.
struct DefaultTeamReading {
    std::int16_t team = kAllTeams;  // the number to keep and write to team.dat
    std::string message;            // for the user when the text was refused, else empty
};

// Reads the text typed into the Default Team box (nothing on Cancel): its leading number
// rounded down (12 gives 12, 7.9 gives 7, abc gives 0). An empty text or a cancel keeps
// current. A number outside -1..32767 is refused with a message and current is kept.
DefaultTeamReading readDefaultTeam(const std::optional<std::string>& typed, std::int16_t current);

}  // namespace quillbat
