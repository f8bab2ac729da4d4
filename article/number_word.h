#pragma once

#include <string>
#include <string_view>

namespace quillbat {

// "1" to "10" written as the words "one" to "ten"; any other text (such as "0", "12", "07" or
// " 5") comes back unchanged. No conversion to a number takes place.
std::string getNumberWord(std::string_view text);

// The number in digits with its ordinal suffix: "1st", "2nd", "3rd", "4th", "11th" to "13th",
// "21st", "111th".
std::string ordinalNumber(int number);

// An inning as a paper writes it: "first" to "ninth" as words, then the ordinal in digits
// ("10th", "21st"); any other inning (0 or less) as its ordinal in digits too.
std::string inningWord(int inning);

}  // namespace quillbat
