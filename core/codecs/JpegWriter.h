#pragma once

// JPEG writing with libjpeg; from quality 90 colour is not subsampled.

#include <cstdint>
#include <string>
#include <vector>

#include "codecs/ImageWriters.h"
#include "shell/Result.h"

namespace vx {

Result EncodeJpeg(const WritePixels& in, int quality, std::vector<std::uint8_t>& out);

}  // namespace vx
