#include "bench/season_files.h"

#include <chrono>
#include <cstdio>

#include "tools/boxscore_generator.h"

namespace quillbat::bench {

std::string seasonBoxscoreFile(std::uint32_t seed) {
    return generator::generateBoxscore(seed);
}

std::string scheduledBoxscoreFile(int k) {
    using namespace std::chrono;
    const year_month_day day{sys_days{2026y / April / 1} + days{k / 15}};
    const std::string date = std::to_string(static_cast<unsigned>(day.month())) + "/" +
                             std::to_string(static_cast<unsigned>(day.day())) + "/" +
                             std::to_string(static_cast<int>(day.year())) + ",";
    std::string file = seasonBoxscoreFile(static_cast<std::uint32_t>(k) + 1);
    // Line 1 and the first line of every later page start with the date and a comma.
    const std::string drawn = file.substr(0, file.find(',') + 1);
    for (std::size_t at = 0; at != std::string::npos; at = file.find("\f" + drawn, at)) {
        at += file[at] == '\f' ? 1U : 0U;
        file.replace(at, drawn.size(), date);
    }
    return file;
}

std::string seasonFileName(int k) {
    char name[40];
    std::snprintf(name, sizeof name, "2026%05d%02d0.box", k, 1 + k % 30);
    return name;
}

}  // namespace quillbat::bench
