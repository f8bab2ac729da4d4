#pragma once

#include <string>
#include <string_view>

namespace quillbat {

// The date text of a boxscore's first line as the article writes it. M/D/YYYY, M-D-YYYY and
// M/D/YY (one or two digits for M and D; years 00-29 are 20xx, 30-99 are 19xx) that name a
// real day give "April 10, 1999"; any other text comes back trimmed of blanks, unchanged.
std::string gameDateText(std::string_view dateText);

}  // namespace quillbat
