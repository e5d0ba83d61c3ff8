#pragma once

// Colour conversions and the one blend every paint layer uses.
//
// Document colours are HslF triples on a 0..240 scale; pixels are 0x00RRGGBB.
// Both conversions use single-precision floats and truncate, so a colour shows
// the same bytes wherever it is drawn.

#include <cstdint>

#include "document/HslF.h"

namespace vx {

// A colour as three channel values 0..1 before they become bytes (values may
// lie slightly outside 0..1 through float rounding).
struct RgbF {
    float r = 0.0f;
    float g = 0.0f;
    float b = 0.0f;
};

// Clamps, converts to 0..1 channels (no byte conversion yet).
RgbF HslToRgbF(const HslF& c);
// A channel value 0..1 as a byte: 255 above 1, 0 below 0 (and for NaN), else
// truncated after multiplying by 255.
std::uint8_t UnitToByte(float v);
// The packed pixel 0x00RRGGBB of a document colour.
std::uint32_t HslToRgb(const HslF& c);

// The document colour of the bytes r, g, b (0..255).
HslF RgbToHsl(int r, int g, int b);

constexpr std::uint32_t PackRgb(std::uint32_t r, std::uint32_t g, std::uint32_t b) {
    return (r << 16) | (g << 8) | b;
}

// Per channel (dst * (255 - a) + src * a) / 255, truncated; the top byte of the
// result is 0. `a` is 0..255.
inline std::uint32_t Blend(std::uint32_t dst, std::uint32_t src, std::uint32_t a) {
    const std::uint32_t na = 255 - a;
    const std::uint32_t r = (((dst >> 16) & 0xFF) * na + ((src >> 16) & 0xFF) * a) / 255;
    const std::uint32_t g = (((dst >> 8) & 0xFF) * na + ((src >> 8) & 0xFF) * a) / 255;
    const std::uint32_t b = ((dst & 0xFF) * na + (src & 0xFF) * a) / 255;
    return PackRgb(r, g, b);
}

}  // namespace vx
