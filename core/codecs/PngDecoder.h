#pragma once

// PNG reading with libpng, into our pixel layout: one 32-bit word per pixel,
// 0xAARRGGBB, rows top to bottom, stride equal to the width.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "codecs/Image.h"
#include "shell/Result.h"

namespace vx {

struct PngImage {
    int w = 0;
    int h = 0;
    std::vector<std::uint32_t> pixels;  // 0xAARRGGBB; alpha 255 where the file has none
    bool has_alpha = false;             // the file carried an alpha channel
};

// Decodes any PNG (palette, grey, 16-bit, interlaced) into PngImage.
Result DecodePng(std::span<const std::uint8_t> data, PngImage& out);

// The import decoder: RGBA and 16-bit grey-with-alpha files keep their alpha,
// everything else imports opaque.
bool DecodePngImage(std::span<const std::uint8_t> data, Image& img);

}  // namespace vx
