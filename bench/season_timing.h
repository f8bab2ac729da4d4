#pragma once

#include <chrono>
#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

#include "bench/season_files.h"

namespace quillbat::bench {

// The files of a season of `count` games, generated in memory from seeds 1..count.
inline std::vector<std::string> seasonInMemory(int count) {
    std::vector<std::string> files;
    files.reserve(static_cast<std::size_t>(count));
    for (int k = 0; k < count; ++k) {
        files.push_back(seasonBoxscoreFile(static_cast<std::uint32_t>(k) + 1));
    }
    return files;
}

// Runs `pass` (one pass over the whole season) again and again for at least two seconds and
// prints the rate of `what` per second and the microseconds each one took, by the wall clock
// and by the processor time of this process (which other programs on the machine do not
// stretch). Returns the processor microseconds each one took.
template <typename Pass>
double timeSeason(const char* what, std::size_t perPass, Pass pass) {
    using Clock = std::chrono::steady_clock;
    pass();  // warms the caches and the phrase files
    std::size_t done = 0;
    const std::clock_t cpuStart = std::clock();
    const Clock::time_point start = Clock::now();
    Clock::duration elapsed{};
    while (elapsed < std::chrono::seconds(2)) {
        pass();
        done += perPass;
        elapsed = Clock::now() - start;
    }
    const double cpuSeconds = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
    const double seconds = std::chrono::duration<double>(elapsed).count();
    const auto count = static_cast<double>(done);
    std::printf("%zu %s in %.2f s: %.0f %s/s, %.2f us each\n", done, what, seconds, count / seconds,
                what, seconds * 1e6 / count);
    std::printf("processor time %.2f s: %.0f %s/s, %.2f us each\n", cpuSeconds, count / cpuSeconds,
                what, cpuSeconds * 1e6 / count);
    return cpuSeconds * 1e6 / count;
}

}  // namespace quillbat::bench
