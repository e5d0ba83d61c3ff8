#pragma once

// JPEG writing with libjpeg; from quality 90 colour is not subsampled.

#include <cstdint>
#include <string>
#include <vector>

#include "codecs/ImageWriters.h"

namespace vx {

bool EncodeJpeg(const WritePixels& in, int quality, std::vector<std::uint8_t>& out,
                std::string* error);

}  // namespace vx
