#pragma once

#include <string>
#include <string_view>

namespace quillbat {

// The doubleheader label of a boxscore, from the game digit just before the final ".box" (the
// fifth character from the end of the name): "1" gives "Game One.  ", "2" gives "Game Two.  ",
// anything else (and a name shorter than five characters) the empty text.
std::string gameLabelFromFileName(std::string_view fileName);

}  // namespace quillbat
