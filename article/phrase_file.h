#pragma once

#include <string>
#include <string_view>

#include "article/phrase_source.h"

namespace quillbat {

// Reads the records of a phrase file from its text. Fields are separated by a comma or a line
// end (CR LF, CR or LF); a line that is empty or all blanks holds no field. Blanks before a field
// are skipped and an unquoted field loses its trailing blanks. A field that begins with a double
// quotation mark runs to the next one, line ends included, and keeps everything in between;
// text after the closing mark up to the next comma or line end is ignored. Fields are taken two
// at a time as category and template; each record carries the line its category stands on.
// Throws InputError naming fileName and the line when a quotation mark is never closed or when
// the file ends with a category that has no template.
PhraseFile parsePhraseFile(std::string_view text, const std::string& fileName);

}  // namespace quillbat
