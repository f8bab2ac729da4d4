#pragma once

#include <cstdint>
#include <string>

namespace quillbat::bench {

// A boxscore file as the game writes it for a whole game, made up from `seed` alone: the
// generated boxscore, then a scoresheet page and the play-by-play after a form feed, so that the
// whole file runs 180 to 650 lines (mostly 200 to 400) of at most 85 characters with CR LF line
// ends, as real files do. Only the part before the first form feed is read by the program.
std::string seasonBoxscoreFile(std::uint32_t seed);

// The file name of the k-th game (from 0) of a season: "2026" and the game number, then the home
// team's two-digit number and the game digit 0, as the game names its files.
std::string seasonFileName(int k);

}  // namespace quillbat::bench
