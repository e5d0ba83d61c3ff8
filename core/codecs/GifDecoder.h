#pragma once

// GIF decoding: the first image, interlaced or not.

#include <cstdint>
#include <span>

#include "codecs/Image.h"

namespace vx {

// Leaves `img` sized and filled, or returns false with img.error set.
bool DecodeGif(std::span<const std::uint8_t> data, Image& img);

}  // namespace vx
