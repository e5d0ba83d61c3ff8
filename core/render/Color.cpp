#include "render/Color.h"

#include <cmath>

namespace vx {

namespace {

constexpr float SCALE_240 = 0.004166667f;  // 1 / 240
constexpr float SIXTIETH = 0.016666668f;   // 1 / 60

// NaN becomes `lo`, so no later step truncates a NaN.
float Clamp(float v, float lo, float hi) {
    if (!(v >= lo)) return lo;
    return v > hi ? hi : v;
}

float HueChannel(float m1, float m2, float t) {
    if (t > 360.0f) t -= 360.0f;
    if (t < 0.0f) t += 360.0f;
    if (t < 60.0f) return m1 + (m2 - m1) * t * SIXTIETH;
    if (t < 180.0f) return m2;
    if (t < 240.0f) return m1 + (m2 - m1) * (240.0f - t) * SIXTIETH;
    return m1;
}

}  // namespace

RgbF HslToRgbF(const HslF& c) {
    const float hue = Clamp(c.h, 0.0f, 239.0f);
    const float sat = Clamp(c.s, 0.0f, 240.0f);
    const float lum = Clamp(c.l, 0.0f, 240.0f);
    const float h = hue * 1.5f;
    const float s = sat * SCALE_240;
    const float l = lum * SCALE_240;
    if (std::fabs(s) <= 0.0001f) return RgbF{l, l, l};
    const float m2 = lum > 120.0f ? l + s - l * s : l * (1.0f + s);
    const float m1 = 2.0f * l - m2;
    return RgbF{HueChannel(m1, m2, h + 120.0f), HueChannel(m1, m2, h),
                HueChannel(m1, m2, h - 120.0f)};
}

std::uint8_t UnitToByte(float v) {
    if (v > 1.0f) return 255;
    if (!(v >= 0.0f)) return 0;
    return static_cast<std::uint8_t>(v * 255.0f);
}

std::uint32_t HslToRgb(const HslF& c) {
    const RgbF f = HslToRgbF(c);
    return PackRgb(UnitToByte(f.r), UnitToByte(f.g), UnitToByte(f.b));
}

HslF RgbToHsl(int r, int g, int b) {
    const float rf = static_cast<float>(r);
    const float gf = static_cast<float>(g);
    const float bf = static_cast<float>(b);
    const float mx = std::fmax(rf, std::fmax(gf, bf));
    const float mn = std::fmin(rf, std::fmin(gf, bf));
    HslF out;
    // Multiplied, then divided: a folded 120 / 255 differs by a float step for
    // some sums, and these values are stored in documents.
    out.l = (mx + mn) * 120.0f / 255.0f;
    const float d = mx - mn;
    if (std::fabs(d) < 0.1f) {
        out.s = 0.0f;
        out.h = 160.0f;
        return out;
    }
    const float t = mx + mn;
    out.s = t <= 255.0f ? d / t * 240.0f : d / (510.0f - t) * 240.0f;
    if (rf == mx)
        out.h = (gf - bf) / d * 40.0f;
    else if (gf == mx)
        out.h = (bf - rf) / d * 40.0f + 80.0f;
    else
        out.h = (rf - gf) / d * 40.0f + 160.0f;
    if (out.h < 0.0f) out.h += 240.0f;
    return out;
}

}  // namespace vx
