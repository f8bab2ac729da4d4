#include "boxscore/game_date.h"

#include <array>
#include <optional>

#include "boxscore/field_reading.h"

namespace quillbat {
namespace {

constexpr std::array<const char*, 12> kMonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

bool isLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int month, int year) {
    constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeapYear(year) ? 29 : kDays[static_cast<std::size_t>(month - 1)];
}

// Reads 1..maxDigits digits at text[position], advancing position past them.
std::optional<int> readDigits(std::string_view text, std::size_t& position, std::size_t maxDigits) {
    std::size_t start = position;
    int value = 0;
    while (position < text.size() && position - start < maxDigits && text[position] >= '0' &&
           text[position] <= '9') {
        value = value * 10 + (text[position] - '0');
        ++position;
    }
    if (position == start) {
        return std::nullopt;
    }
    return value;
}

std::optional<CalendarDate> parseDate(std::string_view text) {
    std::size_t position = 0;
    auto month = readDigits(text, position, 2);
    if (!month || position >= text.size() || (text[position] != '/' && text[position] != '-')) {
        return std::nullopt;
    }
    char separator = text[position++];
    auto day = readDigits(text, position, 2);
    if (!day || position >= text.size() || text[position] != separator) {
        return std::nullopt;
    }
    std::size_t yearStart = ++position;
    auto year = readDigits(text, position, 4);
    std::size_t yearDigits = position - yearStart;
    if (!year || position != text.size()) {
        return std::nullopt;
    }
    if (yearDigits == 2 && separator == '/') {
        *year += *year < 30 ? 2000 : 1900;
    } else if (yearDigits != 4) {
        return std::nullopt;
    }
    if (*month < 1 || *month > 12 || *day < 1 || *day > daysInMonth(*month, *year)) {
        return std::nullopt;
    }
    return CalendarDate{*year, *month, *day};
}

}  // namespace

std::optional<CalendarDate> calendarDate(std::string_view dateText) {
    return parseDate(trimBlanks(dateText));
}

std::string calendarDateText(const CalendarDate& date) {
    std::string written = kMonthNames[static_cast<std::size_t>(date.month - 1)];
    written += ' ';
    written += std::to_string(date.day);
    written += ", ";
    written += std::to_string(date.year);
    return written;
}

std::string gameDateText(std::string_view dateText) {
    std::string_view text = trimBlanks(dateText);
    auto date = parseDate(text);
    return date ? calendarDateText(*date) : std::string(text);
}

std::optional<std::string_view> firstLineDateText(std::string_view firstLine) {
    const std::size_t firstComma = firstLine.find(',');
    if (firstComma == std::string_view::npos) {
        return std::nullopt;
    }
    return firstLine.substr(0, firstComma);
}

}  // namespace quillbat
