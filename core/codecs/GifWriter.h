#pragma once

// GIF 8 Bit writing with giflib, colours reduced by libimagequant.

#include <cstdint>
#include <string>
#include <vector>

#include "codecs/ImageWriters.h"

namespace vx {

bool EncodeGif(const WritePixels& in, std::vector<std::uint8_t>& out, std::string* error);

}  // namespace vx
