#pragma once

// Colour reduction to a palette of at most 256 entries for the 8-bit export
// formats, with libimagequant.

#include <cstdint>
#include <string>
#include <vector>

#include "shell/Result.h"

#include "codecs/ImageWriters.h"

namespace vx {

struct PalettePicture {
    std::vector<std::uint8_t> indices;   // w x h, rows top first
    std::vector<std::uint32_t> palette;  // 1..256 entries, 0xAARRGGBB
};

// Reduces `in` (with its alpha plane, if any) to at most 256 colours, dithered
// where that helps. With `binary_alpha`, for GIF, alpha is first rounded to
// fully transparent (below 128) or opaque, so at most one entry is transparent.
Result ReduceColours(const WritePixels& in, bool binary_alpha, PalettePicture& out);

}  // namespace vx
