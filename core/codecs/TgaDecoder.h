#pragma once

// Targa decoding: types 1, 2, 3, 9, 10 and 11, both origins.

#include <cstdint>
#include <span>

#include "codecs/Image.h"

namespace vx {

// Leaves `img` sized and filled, or returns false with img.error set.
bool DecodeTga(std::span<const std::uint8_t> data, Image& img);

}  // namespace vx
