#include "article/random_source.h"

#include <gtest/gtest.h>

#include <set>

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
    class Fixed final : public RandomSource {
      public:
        explicit Fixed(double value) : value_(value) {}
        double next() override { return value_; }

      private:
        double value_;
    };
    Fixed low(0.0);
    Fixed high(0.999999);
    Fixed justUnderAThird(0.333333);
    EXPECT_EQ(drawVariant(low, 25), 0);
    EXPECT_EQ(drawVariant(high, 25), 24);
    EXPECT_EQ(drawVariant(justUnderAThird, 3), 0);
    EXPECT_EQ(drawVariant(high, 0), 0);
}

}  // namespace
}  // namespace quillbat
