#pragma once

#include <cstdint>
#include <optional>
#include <random>

namespace quillbat {

// Uniform numbers in [0, 1) for every random choice of an article.
class RandomSource {
  public:
    virtual ~RandomSource() = default;
    virtual double next() = 0;
};

// The article's generator: the standard 32-bit Mersenne Twister, one output per draw,
// divided by 2^32. The same seed gives the same draws on every machine.
class MersenneRandom final : public RandomSource {
  public:
    explicit MersenneRandom(std::uint32_t seed) : engine_(seed) {}
    double next() override { return static_cast<double>(engine_()) / 4294967296.0; }

  private:
    std::mt19937 engine_;
};

// One of n variants, each equally likely: the whole part of n times a draw.
inline int drawVariant(RandomSource& random, int n) {
    return static_cast<int>(static_cast<double>(n) * random.next());
}

// The 64-bit finaliser of SplitMix64 (Steele, Lea and Flood): every bit of the result depends on
// every bit of value.
constexpr std::uint64_t mixBits(std::uint64_t value) {
    value = (value ^ (value >> 30)) * 0xBF58476D1CE4E5B9ull;
    value = (value ^ (value >> 27)) * 0x94D049BB133111EBull;
    return value ^ (value >> 31);
}

// The generator of the game's story: SplitMix64 started at the article's seed, each draw the
// upper 32 bits of its next output divided by 2^32. The story draws its sentence and then its
// headline from it, apart from the article's generator, so that the paragraphs draw exactly
// what they draw without the story; unlike the Mersenne Twister it needs no table to start,
// which suits two draws.
class SplitMixRandom final : public RandomSource {
  public:
    explicit SplitMixRandom(std::uint32_t articleSeed) : state_(articleSeed) {}
    double next() override {
        state_ += 0x9E3779B97F4A7C15ull;
        return static_cast<double>(mixBits(state_) >> 32) / 4294967296.0;
    }

  private:
    std::uint64_t state_;
};

// A seed from the clock for a load without a given seed; two calls in a row never return the
// same seed, however close together.
std::uint32_t clockSeed();

// The seeds of the articles of one run of a program. Given a first seed N, the k-th article
// (from 0) gets N + k modulo 2^32, so the same run always writes the same articles and the games
// of a batch do not all draw the same templates; without one, every article gets a clockSeed.
class ArticleSeeds {
  public:
    explicit ArticleSeeds(std::optional<std::uint32_t> first) : next_(first) {}

    std::uint32_t next() {
        if (!next_) {
            return clockSeed();
        }
        // Unsigned arithmetic wraps, giving the seed modulo 2^32.
        return (*next_)++;
    }

  private:
    std::optional<std::uint32_t> next_;
};

}  // namespace quillbat
