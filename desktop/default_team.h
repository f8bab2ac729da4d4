#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "desktop/boxscore_filter.h"

// The number typed into Default Team's input box.
namespace quillbat {

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
