#include "article/random_source.h"

#include <gtest/gtest.h>

#include <set>

#include "tests/article/article_test_support.h"

namespace quillbat {
namespace {

TEST(ClockSeed, LoadsInQuickSuccessionGetDifferentSeeds) {
    std::set<std::uint32_t> seeds;
    std::uint32_t previous = clockSeed();
    for (int i = 0; i < 10000; ++i) {
        std::uint32_t seed = clockSeed();
        EXPECT_NE(seed, previous);
        seeds.insert(seed);
        previous = seed;
    }
    // Well spread: a collision among 10000 32-bit seeds is rare, several would be a fault.
    EXPECT_GT(seeds.size(), 9990u);
}

TEST(DrawVariant, WholePartOfNTimesTheDraw) {
    ScriptedRandom random{0.0, 0.999999, 0.333333, 0.999999};
    EXPECT_EQ(drawVariant(random, 25), 0);
    EXPECT_EQ(drawVariant(random, 25), 24);
    EXPECT_EQ(drawVariant(random, 3), 0);
    EXPECT_EQ(drawVariant(random, 0), 0);
}

}  // namespace
}  // namespace quillbat
