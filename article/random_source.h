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

// The seed of the story's own random source, from the seed of its article: the article's seed
// plus 0x9E3779B9 (the golden ratio's first 32 bits), modulo 2^32. The story draws its sentence
// and then its headline from that source, so that the paragraphs draw exactly what they draw
// without the story.
constexpr std::uint32_t storySeed(std::uint32_t articleSeed) {
    return articleSeed + 0x9E3779B9u;
}

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
