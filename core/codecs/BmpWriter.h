#pragma once

// BMP 24 Bit writing.

#include <cstdint>
#include <string>
#include <vector>

#include "codecs/ImageWriters.h"

namespace vx {

bool EncodeBmp24(const WritePixels& in, std::vector<std::uint8_t>& out, std::string* error);

}  // namespace vx
