#pragma once

// BMP decoding: OS/2 and Windows headers, 1/4/8 bits with RLE8 and RLE4, 16/24/32
// bits with or without bit-field masks, top-down and bottom-up.

#include <cstdint>
#include <span>

#include "codecs/Image.h"

namespace vx {

// Leaves `img` sized and filled, or returns false with img.error set.
bool DecodeBmp(std::span<const std::uint8_t> data, Image& img);

}  // namespace vx
