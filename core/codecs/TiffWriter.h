#pragma once

// TIFF writing with libtiff: JPEG inside the TIFF below quality 100, lossless
// Deflate at 100 and whenever the picture has alpha.

#include <cstdint>
#include <string>
#include <vector>

#include "codecs/ImageWriters.h"

namespace vx {

bool EncodeTiff(const WritePixels& in, int quality, std::vector<std::uint8_t>& out,
                std::string* error);

}  // namespace vx
