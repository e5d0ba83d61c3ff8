#pragma once

// BMP 24 Bit writing.

#include <cstdint>
#include <string>
#include <vector>

#include "codecs/ImageWriters.h"
#include "shell/Result.h"

namespace vx {

Result EncodeBmp24(const WritePixels& in, std::vector<std::uint8_t>& out);

}  // namespace vx
