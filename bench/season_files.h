#pragma once

#include <cstdint>
#include <string>

namespace quillbat::bench {

// A whole boxscore file as the game writes it, made up from `seed` alone by the generator: the
// boxscore, a scoresheet page and the play-by-play, 180 to 650 lines with CR LF line ends.
std::string seasonBoxscoreFile(std::uint32_t seed);

// The k-th game of a season (from 0; the file of seed k + 1) dated as a league's schedule has
// it: 15 games a day, as 30 teams play them, from April 1, 2026 on, so game k is played on day
// k / 15 of the season. Every page's first line carries that date ("4/1/2026").
std::string scheduledBoxscoreFile(int k);

// The file name of the k-th game (from 0) of a season: "2026" and the game number, then the home
// team's two-digit number and the game digit 0, as the game names its files.
std::string seasonFileName(int k);

}  // namespace quillbat::bench
