#pragma once

// How a gradient angle (whole degrees) runs across a box, shared by the
// object's gradient fill and the gradient bar's preview: the column weight `wx`
// and row weight `wy` sum to 9000 steps, and each axis may be measured from
// the far side. A pixel's share of colour #2 is
//   (from_right ? w - x : x) * wx / w + (from_bottom ? h - y : y) * wy / h.

#include <cstdint>

#include "document/HslF.h"

namespace vx {

constexpr std::uint32_t GRADIENT_STEPS = 9000;

struct GradientDirection {
    std::uint32_t wx, wy;
    bool from_right, from_bottom;
};

// Angles outside 0..360 wrap; 360 falls in the last quadrant (colour #1 left).
GradientDirection GradientDirectionOf(int angle);

// An end colour of the gradient as bytes: steps 1 to 4 of the colour
// conversion, then truncated (no rounding to the nearest, unlike the screen
// colours).
struct GradientByte {
    std::uint32_t r, g, b;
};
GradientByte GradientEndColour(const HslF& c);

}  // namespace vx
