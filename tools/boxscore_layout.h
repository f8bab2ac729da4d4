#pragma once

#include <string>

#include "tools/generated_game.h"

namespace quillbat::generator {

// The text of the boxscore as the game prints it, with CR LF line ends: line 1, the line score
// (a second block after twelve innings), the batting section in `layout`, both pitching
// sections, the substitutions, the notes paragraph wrapped at 78 characters, the GWRBI and
// weather lines, then the scoresheet page and the play-by-play (see later_pages.h). Draws
// nothing: the same game gives the same text.
std::string layOutBoxscore(const GeneratedGame& game, BattingLayout layout);

}  // namespace quillbat::generator
