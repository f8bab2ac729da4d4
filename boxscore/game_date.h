#pragma once

#include <compare>
#include <optional>
#include <string>
#include <string_view>

namespace quillbat {

// A day of the calendar.
struct CalendarDate {
    int year = 0;
    int month = 0;  // 1..12
    int day = 0;    // 1..31
    auto operator<=>(const CalendarDate&) const = default;
};

// The day a boxscore's date text names: M/D/YYYY, M-D-YYYY and M/D/YY (one or two digits for M
// and D; years 00-29 are 20xx, 30-99 are 19xx), blanks around it ignored, naming a real day;
// nothing for any other text.
std::optional<CalendarDate> calendarDate(std::string_view dateText);

// The date as the article writes it: "April 10, 1999". The month must be 1..12, as calendarDate
// gives it.
std::string calendarDateText(const CalendarDate& date);

// The date text of a boxscore's first line as the article writes it: "April 10, 1999" for a
// text calendarDate reads; any other text comes back trimmed of blanks, unchanged.
std::string gameDateText(std::string_view dateText);

// The date text of a boxscore's first line: what stands before its first comma; nothing for a
// line without a comma, whose game has no date.
std::optional<std::string_view> firstLineDateText(std::string_view firstLine);

}  // namespace quillbat
