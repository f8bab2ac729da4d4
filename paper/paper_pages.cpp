#include "paper/paper_pages.h"

#include <array>
#include <chrono>
#include <cstdio>

namespace quillbat {
namespace {

// "Wednesday" for August 19, 2026.
std::string_view weekdayName(const CalendarDate& date) {
    constexpr std::array<std::string_view, 7> kNames = {
        "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
    const std::chrono::year_month_day day{std::chrono::year{date.year},
                                          std::chrono::month{static_cast<unsigned>(date.month)},
                                          std::chrono::day{static_cast<unsigned>(date.day)}};
    return kNames[std::chrono::weekday{std::chrono::sys_days{day}}.c_encoding()];
}

}  // namespace

PageLink pageLink(const std::optional<CalendarDate>& date, ArticleFormat format) {
    const std::string ending = "." + std::string(fileEnding(format));
    if (!date) {
        return {"undated" + ending, "Undated games"};
    }
    char name[16];
    std::snprintf(name, sizeof name, "%04d-%02d-%02d", date->year % 10000, date->month, date->day);
    return {name + ending, std::string(weekdayName(*date)) + ", " + calendarDateText(*date)};
}

}  // namespace quillbat
