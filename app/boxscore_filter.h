#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The Open dialog's filter: every boxscore, or the home boxscores of the default team.
namespace quillbat {

// The default team number that lists every boxscore.
inline constexpr std::int16_t kAllTeams = -1;

// The filter text: "Boxscores (*.box) | *.box" for team -1; otherwise the team number written
// with at least two digits (5 gives 05, -5 gives -05) before each of the game digits 0, 1 and 2:
// team 5 gives "Boxscores (*.box) | *050.box;*051.box;*052.box".
std::string boxscoreFilter(std::int16_t defaultTeam);

// A filter text taken apart for a file dialog: the description before the first "|" and the
// semicolon-separated name patterns after it, each trimmed of blanks; empty patterns are left
// out. A text without "|" is all description.
struct FilterParts {
    std::string description;
    std::vector<std::string> patterns;
    bool operator==(const FilterParts&) const = default;
};
FilterParts splitFilter(std::string_view filterText);

}  // namespace quillbat
