#pragma once

#include <string>
#include <string_view>
#include <vector>

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

// A line of a phrase file that is no record, and why.
struct PhraseLineFault {
    int line = 0;
    std::string reason;
    bool operator==(const PhraseLineFault&) const = default;
};

// A phrase file read one record a line, as its check reads it.
struct PhraseFileLines {
    PhraseFile file;                      // the records of the lines that are one
    std::vector<PhraseLineFault> faults;  // every other line that holds a field, in file order
};

// Reads a phrase file as parsePhraseFile does, but each line that holds a field on its own: a
// category, a comma and a template, a quoted field closed on its line. A line that is not one
// record is one fault, and the reading goes on at the next line: a quotation mark not closed
// on its line, no comma after the category, or a comma after the template. The file's records
// are the same as parsePhraseFile's when there is no fault.
PhraseFileLines readPhraseFileLines(std::string_view text, const std::string& fileName);

}  // namespace quillbat
