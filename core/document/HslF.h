#pragma once

// A document colour: hue, saturation and lightness as floats on a 0..240 scale
// (hue 0..239; times 1.5 gives degrees). Stored in files exactly as held.

namespace vx {

struct HslF {
    float h = 0.0f;
    float s = 0.0f;
    float l = 0.0f;
};

}  // namespace vx
