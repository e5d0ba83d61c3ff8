#pragma once

// JPEG decoding with libjpeg; Adobe CMYK files are converted.

#include <cstdint>
#include <span>

#include "codecs/Image.h"

namespace vx {

// Leaves `img` sized and filled, or returns false with img.error set.
bool DecodeJpeg(std::span<const std::uint8_t> data, Image& img);

}  // namespace vx
