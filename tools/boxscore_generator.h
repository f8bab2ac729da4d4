#pragma once

#include <cstdint>
#include <string>

#include "tools/generated_game.h"

namespace quillbat::generator {

struct GeneratorOptions {
    BattingLayout layout = BattingLayout::kSideBySide;
};

// The text of a boxscore as the game writes it (CR LF line ends, the game's columns, a form feed
// and a scoresheet page after the boxscore), made up from `seed` alone: the same seed and
// options always give the same text, with every standard library. Over a few hundred seeds the
// games reach every opening, pitcher and batter category of the article: all temperature bands
// (no weather, no temperature with a GWRBI line, triple digits), rain delays, threatening skies,
// wet fields and strong wind, every game type with extra innings up to 20, big hitting days,
// every won-lost band of the winning and losing pitcher, saves in all three bands, star batters
// of every kind with season totals for every home-run family and row, three or more walks and
// season averages at .285 and .425. Names hold no ". ", ", " or "-", so the notes read back
// exactly.
std::string generateBoxscore(std::uint32_t seed, const GeneratorOptions& options = {});

}  // namespace quillbat::generator
