#include "article/random_source.h"

#include <atomic>
#include <chrono>

namespace quillbat {

std::uint32_t clockSeed() {
    // The clock alone may tick too coarsely for two loads in quick succession, so every call
    // also mixes in a counter, and the mix (a 64-bit finaliser) spreads both over all 32 bits.
    static std::atomic<std::uint64_t> counter{0};
    static std::atomic<std::uint32_t> lastSeed{0};
    auto ticks = static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
    const std::uint64_t mixed = mixBits(ticks + 0x9E3779B97F4A7C15ull * ++counter);
    auto seed = static_cast<std::uint32_t>(mixed ^ (mixed >> 32));
    if (seed == lastSeed.exchange(seed)) {
        seed += 1;
        lastSeed = seed;
    }
    return seed;
}

}  // namespace quillbat
