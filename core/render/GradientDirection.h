#pragma once

// How a gradient angle (whole degrees) runs across a box, shared by the
// object's gradient fill and the gradient bar's preview: the column weight `wx`
// and row weight `wy` sum to 9000 steps, and each axis may be measured from
// the far side. A pixel's share of colour #2 is
//   (from_right ? w - x : x) * wx / w + (from_bottom ? h - y : y) * wy / h.

#include <cstdint>

#include "document/HslF.h"
#include "document/LogoParams.h"

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

// What the fill and the bar's preview read from an object's gradient fields:
// the end colours, their opacities as weights 0..255 and the direction.
struct GradientEnds {
    GradientByte c1, c2;
    std::uint32_t op1, op2;
    GradientDirection dir;
};
GradientEnds GradientEndsOf(const LogoParams& lt);

}  // namespace vx
