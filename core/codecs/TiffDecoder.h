#pragma once

// TIFF decoding with libtiff: the first page; LZW compression is refused.

#include <cstdint>
#include <span>

#include "codecs/Image.h"

namespace vx {

// Leaves `img` sized and filled, or returns false with img.error set.
bool DecodeTiff(std::span<const std::uint8_t> data, Image& img);

}  // namespace vx
