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

std::string ordinalNumber(int number) {
    const std::string digits = std::to_string(number);
    // 11, 12 and 13 (and 111, 212 ...) are read "eleventh", "twelfth", "thirteenth".
    const int lastTwo = (number < 0 ? -number : number) % 100;
    if (lastTwo >= 11 && lastTwo <= 13) {
        return digits + "th";
    }
    switch (digits.back()) {
        case '1':
            return digits + "st";
        case '2':
            return digits + "nd";
        case '3':
            return digits + "rd";
        default:
            return digits + "th";
    }
}

std::string inningWord(int inning) {
    static constexpr std::array<std::string_view, 9> kWords = {
        "first", "second", "third", "fourth", "fifth", "sixth", "seventh", "eighth", "ninth"};
    if (inning >= 1 && inning <= 9) {
        return std::string(kWords[static_cast<std::size_t>(inning - 1)]);
    }
    return ordinalNumber(inning);
}

}  // namespace quillbat
