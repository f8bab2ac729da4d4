#include "app/boxscore_filter.h"

#include <cstdlib>

#include "boxscore/field_reading.h"

namespace quillbat {
namespace {

// The team number as the game writes it in file names: at least two digits.
std::string twoDigitTeam(std::int16_t team) {
    std::string digits = std::to_string(std::abs(static_cast<int>(team)));
    if (digits.size() < 2) {
        digits.insert(0, "0");
    }
    return team < 0 ? "-" + digits : digits;
}

}  // namespace

std::string boxscoreFilter(std::int16_t defaultTeam) {
    if (defaultTeam == kAllTeams) {
        return "Boxscores (*.box) | *.box";
    }
    std::string tt = twoDigitTeam(defaultTeam);
    return "Boxscores (*.box) | *" + tt + "0.box;*" + tt + "1.box;*" + tt + "2.box";
}

FilterParts splitFilter(std::string_view filterText) {
    FilterParts parts;
    std::size_t bar = filterText.find('|');
    parts.description = trimBlanks(filterText.substr(0, bar));
    if (bar == std::string_view::npos) {
        return parts;
    }
    std::string_view rest = filterText.substr(bar + 1);
    while (true) {
        std::size_t semicolon = rest.find(';');
        std::string_view pattern = trimBlanks(rest.substr(0, semicolon));
        if (!pattern.empty()) {
            parts.patterns.emplace_back(pattern);
        }
        if (semicolon == std::string_view::npos) {
            return parts;
        }
        rest.remove_prefix(semicolon + 1);
    }
}

}  // namespace quillbat
