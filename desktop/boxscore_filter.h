#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The Open dialog's filter: every boxscore, or the home boxscores of the default team.
namespace quillbat {

// The default team number that lists every boxscore.
inline constexpr std::int16_t kAllTeams = -1;

// What the Open dialog offers: a description for the user and the file-name patterns it lists.
struct BoxscoreFilter {
    std::string description;
    std::vector<std::string> patterns;
    bool operator==(const BoxscoreFilter&) const = default;
};

// "Boxscores (*.box)" with the pattern "*.box" for team -1. Otherwise the team number written
// with at least two digits (5 gives 05, -5 gives -05) before each of the game digits 0, 1 and 2:
// team 5 gives "*050.box", "*051.box" and "*052.box".
BoxscoreFilter boxscoreFilter(std::int16_t defaultTeam);

// The filter as a file dialog shows it: the description's name, then in brackets the patterns
// it lists, separated by blanks: "Boxscores (*050.box *051.box *052.box)" for team 5,
// "Boxscores (*.box)" for every boxscore.
std::string dialogDescription(const BoxscoreFilter& filter);

}  // namespace quillbat
