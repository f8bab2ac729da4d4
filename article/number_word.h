#pragma once

#include <string>
#include <string_view>

namespace quillbat {

// "1" to "10" written as the words "one" to "ten"; any other text (such as "0", "12", "07" or
// " 5") comes back unchanged. No conversion to a number takes place.
std::string getNumberWord(std::string_view text);

}  // namespace quillbat
