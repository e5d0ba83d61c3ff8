#pragma once

// The pieces of outline and shadow: the 5x5 binomial blur of coverage, the
// stretch of its result to the full byte range, and the outline response table.

#include <array>
#include <cstdint>
#include <span>

namespace vx {

// One pass of the 5x5 binomial filter (taps 1 4 6 4 1 both ways, weight 256,
// truncated), centred on each pixel, everything outside the w x h buffer taken
// as 0. `src` and `dst` are w x h and must not overlap.
void BinomialBlur(const std::uint8_t* src, std::uint8_t* dst, int w, int h);

// The byte range a stretch mapped onto 0..255; 0..255 when it left the bytes as
// they were. A vector export redoes the blur and needs the same mapping.
struct StretchRange {
    int lo = 0;
    int hi = 255;
};

// Maps the range lo..hi of the bytes onto 0..255 ((v - lo) * 255 / (hi - lo));
// leaves a constant buffer unchanged.
StretchRange StretchToFullRange(std::span<std::uint8_t> bytes);

// Outline opacity for each blurred coverage value: a curve that reaches 255
// about halfway up the blurred edge, steeper near 0 for larger sharpness (0..1).
std::array<int, 256> OutlineTable(float sharpness);

}  // namespace vx
