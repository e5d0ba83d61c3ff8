#pragma once

// ICO decoding: the first image, a device-independent bitmap or a PNG.

#include <cstdint>
#include <span>

#include "codecs/Image.h"

namespace vx {

// Leaves `img` sized and filled, or returns false with img.error set.
bool DecodeIco(std::span<const std::uint8_t> data, Image& img);

}  // namespace vx
