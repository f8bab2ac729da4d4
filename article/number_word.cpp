#include "article/number_word.h"

#include <array>
#include <utility>

namespace quillbat {

std::string getNumberWord(std::string_view text) {
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 10> kWords{{
        {"10", "ten"},
        {"9", "nine"},
        {"8", "eight"},
        {"7", "seven"},
        {"6", "six"},
        {"5", "five"},
        {"4", "four"},
        {"3", "three"},
        {"2", "two"},
        {"1", "one"},
    }};
    for (const auto& [digits, word] : kWords) {
        if (text == digits) {
            return std::string(word);
        }
    }
    return std::string(text);
}

}  // namespace quillbat
