#pragma once

#include <cstdint>

#include "tools/generated_game.h"

namespace quillbat::generator {

// Decides a whole game from `seed` alone; the same seed and layout always give the same game.
// The layout matters only for the weather: a side-by-side game always keeps a GWRBI or weather
// line, since its notes are read up to that line.
GeneratedGame planGame(std::uint32_t seed, BattingLayout layout);

}  // namespace quillbat::generator
