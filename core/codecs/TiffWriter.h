#pragma once

// TIFF writing with libtiff: JPEG inside the TIFF below quality 100, lossless
// Deflate at 100 and whenever the picture has alpha.

#include <cstdint>
#include <string>
#include <vector>

#include "codecs/ImageWriters.h"
#include "shell/Result.h"

namespace vx {

Result EncodeTiff(const WritePixels& in, int quality, std::vector<std::uint8_t>& out);

}  // namespace vx
