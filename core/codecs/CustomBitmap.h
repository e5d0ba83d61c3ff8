#pragma once

// Loading the picture of a custom bitmap object: the decoder is chosen by the
// last three letters of the file name, the picture converted to our 32-bit
// layout with alpha in the top byte. The renderer's custom bitmap objects and
// the command-line import are built on LoadBitmapFile.

#include <cstdint>
#include <string>
#include <vector>

#include "shell/Result.h"

namespace vx {

// The decoder type number for `path` (IMAGE_BMP ... IMAGE_TGA), or -1 when its
// last three characters, in any case, name no format we read.
int ImageTypeForPath(const std::string& path);

struct BitmapPixels {
    int w = 0;
    int h = 0;
    std::vector<std::uint32_t> px;  // (A << 24) | (R << 16) | (G << 8) | B, top row first
};

// Reads and decodes `path` into `out`. Fails, with `out` untouched, when the
// name, the file or its contents are refused.
Result LoadBitmapFile(const std::string& path, BitmapPixels& out);

// The same with the decoder chosen by the caller (IMAGE_BMP ... IMAGE_TGA),
// whatever the name says: the template previews are GIF pictures named ".bpr".
Result LoadBitmapFileAs(const std::string& path, int type, BitmapPixels& out);

}  // namespace vx
