#pragma once

// The engine's one source of pseudo-random numbers: the gradient dither and the
// window textures draw from it. Tests and the command-line tool seed it so that
// rendered images are reproducible; the program never reseeds it.

#include <cstdint>

namespace vx {

class RandomSource {
public:
    static constexpr int MAX = 32767;

    explicit RandomSource(std::uint32_t seed = 1) : state_(seed) {}
    void Seed(std::uint32_t seed) { state_ = seed; }

    // The next integer of 0..MAX.
    int Next() {
        // A linear congruential step; its upper bits are the usable ones.
        state_ = state_ * 214013u + 2531011u;
        return static_cast<int>((state_ >> 16) & 0x7FFF);
    }

private:
    std::uint32_t state_;
};

// The program-wide generator.
RandomSource& EngineRandom();

}  // namespace vx
