#include "bench/season_files.h"

#include <cstdio>

#include "tools/boxscore_generator.h"

namespace quillbat::bench {

std::string seasonBoxscoreFile(std::uint32_t seed) {
    return generator::generateBoxscore(seed);
}

std::string seasonFileName(int k) {
    char name[40];
    std::snprintf(name, sizeof name, "2026%05d%02d0.box", k, 1 + k % 30);
    return name;
}

}  // namespace quillbat::bench
