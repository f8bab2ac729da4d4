#include "desktop/boxscore_filter.h"

#include <cstdlib>

namespace quillbat {
namespace {

// The team number as the game writes it in file names: at least two digits.
std::string twoDigitTeam(std::int16_t team) {
    std::string digits = std::to_string(std::abs(static_cast<int>(team)));
    if (digits.size() < 2) {
        digits = '0' + digits;
    }
    return team < 0 ? "-" + digits : digits;
}

}  // namespace

BoxscoreFilter boxscoreFilter(std::int16_t defaultTeam) {
    BoxscoreFilter filter{"Boxscores (*.box)", {}};
    if (defaultTeam == kAllTeams) {
        filter.patterns = {"*.box"};
        return filter;
    }
    for (char game : {'0', '1', '2'}) {
        std::string pattern = "*" + twoDigitTeam(defaultTeam);
        pattern += game;
        pattern += ".box";
        filter.patterns.push_back(std::move(pattern));
    }
    return filter;
}

std::string dialogDescription(const BoxscoreFilter& filter) {
    std::string shown = filter.description.substr(0, filter.description.find(" ("));
    for (std::size_t i = 0; i < filter.patterns.size(); ++i) {
        shown += (i == 0 ? " (" : " ") + filter.patterns[i];
    }
    return filter.patterns.empty() ? shown : shown + ")";
}

}  // namespace quillbat
