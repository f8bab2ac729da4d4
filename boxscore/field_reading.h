#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Reading the fixed-width fields of a boxscore line. Columns count bytes from 1 at the first
// character; positions from the end count the last character as 1. Every function here stays
// inside the text it is given: a field that reaches past either end of the line is cut short.
namespace quillbat {

// The text without the blanks at its start and end.
std::string_view trimBlanks(std::string_view text);

// True when text holds nothing but blanks (also when it is empty).
bool isAllBlank(std::string_view text);

// The field of `width` characters starting at 1-based `column`, cut at the end of the line;
// empty when the line is shorter than `column`.
std::string_view fieldAt(std::string_view line, int column, int width);

// The field that starts `fromEnd` characters from the end of the line (1 = the last character)
// and is `width` characters wide; the part that lies before the line's start is cut off.
std::string_view fieldFromEnd(std::string_view line, int fromEnd, int width);

// The leading number of a field: blanks anywhere are skipped, then an optional sign, digits and
// at most one decimal point are read up to the first character that cannot continue the
// number. A field without a leading number (empty, "x", "-") reads 0.
double leadingNumber(std::string_view field);

// The nearest 16-bit value, halves to the even neighbour (2.5 gives 2, 3.5 gives 4); values
// beyond the 16-bit range give its nearest end.
std::int16_t roundToInt16(double value);

// leadingNumber of the field, rounded into 16 bits.
std::int16_t fieldInt16(std::string_view field);

// The strict reading of a field that must be a number: after trimming blanks, an optional sign
// and digits with at most one decimal point, at least one digit ("5", "5.", ".5", "-3").
// Returns nothing for any other text, the empty text included.
std::optional<double> strictNumber(std::string_view field);

// The text in lower case (ASCII letters only; other bytes are kept).
std::string lowerCase(std::string_view text);

}  // namespace quillbat
