#include "app/default_team.h"

#include <cmath>

#include "app/settings.h"
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

}  // namespace quillbat
