#pragma once

// A picture with alpha for the brand pack's derived files, and the few
// operations they need: resizing by area averaging, fitting into a frame,
// flattening over a colour and recolouring the ink.

#include <cstdint>
#include <vector>

namespace vx {

// w x h words 0xAARRGGBB, alpha unassociated, rows top first.
struct RgbaImage {
    int w = 0;
    int h = 0;
    std::vector<std::uint32_t> px;
};

// `src` resized to w x h: every target pixel averages the source area it
// covers, weighted by alpha so transparent pixels lend no colour to the
// edges. Shrinking keeps thin strokes as partial coverage instead of
// dropping them, which keeps small icons legible.
RgbaImage ResampleImage(const RgbaImage& src, int w, int h);

// A w x h picture filled with `background` (0xAARRGGBB; alpha 0 leaves it
// transparent) with `src` scaled to fit inside it, `margin` pixels from each
// edge at least, keeping its proportions, centred, and drawn over it.
RgbaImage FitImage(const RgbaImage& src, int w, int h, int margin, std::uint32_t background);

// `src` drawn over the opaque colour `rgb` (0x00RRGGBB): alpha becomes 255.
RgbaImage FlattenImage(const RgbaImage& src, std::uint32_t rgb);

// Every pixel given the colour `rgb` (0x00RRGGBB), its alpha kept: the logo's
// ink in one colour.
RgbaImage RecolourImage(const RgbaImage& src, std::uint32_t rgb);

}  // namespace vx
