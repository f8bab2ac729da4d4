#include "boxscore/field_reading.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

namespace quillbat {

std::string_view trimBlanks(std::string_view text) {
    std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    std::size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

bool isAllBlank(std::string_view text) {
    return text.find_first_not_of(' ') == std::string_view::npos;
}

std::string_view fieldAt(std::string_view line, int column, int width) {
    if (column < 1 || width <= 0) {
        return {};
    }
    auto start = static_cast<std::size_t>(column - 1);
    if (start >= line.size()) {
        return {};
    }
    return line.substr(start, static_cast<std::size_t>(width));
}

std::string_view fieldFromEnd(std::string_view line, int fromEnd, int width) {
    auto size = static_cast<long long>(line.size());
    long long start = size - fromEnd;
    long long end = start + width;
    if (start < 0) {
        start = 0;
    }
    if (end > size) {
        end = size;
    }
    if (end <= start) {
        return {};
    }
    return line.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(end - start));
}

namespace {

constexpr int kExactDigits = 15;
constexpr std::array<double, kExactDigits + 1> kPowersOfTen = {
    1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Converts the collected characters of a number (sign, digits, at most one point) to a value.
double numberFromText(const std::string& text) {
    bool negative = !text.empty() && text.front() == '-';
    std::size_t begin = !text.empty() && (text.front() == '-' || text.front() == '+') ? 1 : 0;
    double value = 0;
    auto result = std::from_chars(text.data() + begin, text.data() + text.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        value = std::numeric_limits<double>::max();
    } else if (result.ec != std::errc()) {
        return 0;
    }
    return negative ? -value : value;
}

}  // namespace

double leadingNumber(std::string_view field) {
    std::uint64_t mantissa = 0;
    int digits = 0;
    int decimals = 0;
    bool negative = false;
    bool started = false;
    bool seenPoint = false;
    std::size_t end = 0;
    for (; end < field.size(); ++end) {
        char c = field[end];
        if (c == ' ') {
            continue;
        }
        if (!started && (c == '-' || c == '+')) {
            negative = c == '-';
        } else if (isDigit(c)) {
            mantissa = digits < kExactDigits ? mantissa * 10 + static_cast<unsigned>(c - '0') : 0;
            ++digits;
            decimals += seenPoint ? 1 : 0;
        } else if (c == '.' && !seenPoint) {
            seenPoint = true;
        } else {
            break;
        }
        started = true;
    }
    if (digits == 0) {
        return 0;
    }
    if (digits > kExactDigits) {
        std::string number;
        for (char c : field.substr(0, end)) {
            if (c != ' ') {
                number += c;
            }
        }
        return numberFromText(number);
    }
    // Up to 15 digits are exact in a double, and one division by an exact power of ten rounds
    // correctly, so this gives the same value as a full decimal conversion.
    double value = static_cast<double>(mantissa) / kPowersOfTen[static_cast<std::size_t>(decimals)];
    return negative ? -value : value;
}

std::int16_t roundToInt16(double value) {
    double rounded = std::nearbyint(value);
    if (!(rounded >= std::numeric_limits<std::int16_t>::min())) {
        return std::numeric_limits<std::int16_t>::min();
    }
    if (rounded > std::numeric_limits<std::int16_t>::max()) {
        return std::numeric_limits<std::int16_t>::max();
    }
    return static_cast<std::int16_t>(rounded);
}

std::int16_t fieldInt16(std::string_view field) {
    return roundToInt16(leadingNumber(field));
}

std::optional<double> strictNumber(std::string_view field) {
    std::string_view text = trimBlanks(field);
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        ++i;
    }
    bool seenDigit = false;
    bool seenPoint = false;
    for (; i < text.size(); ++i) {
        if (isDigit(text[i])) {
            seenDigit = true;
        } else if (text[i] == '.' && !seenPoint) {
            seenPoint = true;
        } else {
            return std::nullopt;
        }
    }
    if (!seenDigit) {
        return std::nullopt;
    }
    return numberFromText(std::string(text));
}

std::string lowerCase(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return lower;
}

}  // namespace quillbat
