#pragma once

// The device-independent bitmap inside BMP and ICO files: an info header
// (OS/2 or Windows), an optional palette or bit-field masks, then the pixels.

#include <cstddef>
#include <cstdint>
#include <span>

#include "codecs/Image.h"

namespace vx {

// Decodes the bitmap whose info header starts at `header` in `file`. The
// pixels start at `pixels` (a BMP file gives it in its file header); for an
// icon pass SIZE_MAX: they follow the palette, and the stored height counts
// the mask below the picture, which is left out.
bool DecodeDib(std::span<const std::uint8_t> file, std::size_t header, std::size_t pixels,
               Image& img);

}  // namespace vx
