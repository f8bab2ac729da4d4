#include "article/random_source.h"

#include <gtest/gtest.h>

#include <set>

namespace quillbat {
namespace {

TEST(RandomSource, LoadsInQuickSuccessionGetDifferentSeeds) {
    std::set<std::uint32_t> seeds;
    std::uint32_t previous = clockSeed();
    for (int i = 0; i < 10000; ++i) {
        const std::uint32_t seed = clockSeed();
        EXPECT_NE(seed, previous);
        seeds.insert(previous = seed);
    }
    // A collision among 10000 seeds spread over 32 bits is rare; several would be a fault.
    EXPECT_GT(seeds.size(), 9990u);
}

}  // namespace
}  // namespace quillbat
