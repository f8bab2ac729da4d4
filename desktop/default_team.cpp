#include "desktop/default_team.h"

#include <cmath>

#include "boxscore/field_reading.h"
#include "desktop/settings.h"
#include "desktop/window_design.h"

namespace quillbat {

DefaultTeamReading readDefaultTeam(const std::optional<std::string>& typed, std::int16_t current) {
    if (!typed || typed->empty()) {
        return {current, {}};
    }
    double team = std::floor(leadingNumber(*typed));
    if (!(team >= kAllTeams && team <= kHighestTeam)) {
        return {current, std::string(kDefaultTeamRefused) + std::to_string(current) + "."};
    }
    return {static_cast<std::int16_t>(team), {}};
}

}  // namespace quillbat
