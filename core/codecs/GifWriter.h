#pragma once

// GIF 8 Bit writing with giflib, colours reduced by libimagequant.

#include <cstdint>
#include <string>
#include <vector>

#include "codecs/ImageWriters.h"
#include "shell/Result.h"

namespace vx {

Result EncodeGif(const WritePixels& in, std::vector<std::uint8_t>& out);

}  // namespace vx
