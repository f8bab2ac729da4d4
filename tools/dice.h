#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <random>

namespace quillbat::generator {

// Draws from the seed alone; the modulo keeps the numbers the same with every standard library.
class Dice {
  public:
    explicit Dice(std::uint32_t seed) : engine_(seed) {}

    int between(int low, int high) {
        return low + static_cast<int>(engine_() % static_cast<std::uint32_t>(high - low + 1));
    }
    bool chance(int percent) { return between(1, 100) <= percent; }
    template <typename T, std::size_t N>
    const T& pick(const std::array<T, N>& items) {
        return items[static_cast<std::size_t>(between(0, static_cast<int>(N) - 1))];
    }

  private:
    std::mt19937 engine_;
};

}  // namespace quillbat::generator
