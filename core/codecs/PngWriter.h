#pragma once

// PNG writing with libpng, on our pixel layout: one 32-bit word per
// pixel, 0xAARRGGBB (alpha in the top byte, zero when unused), rows top to
// bottom, stride equal to the width.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "shell/Result.h"

namespace vx {

enum class PngChannels { RGB, RGBA };

// Encodes `pixels` (w x h) as an 8-bit-per-channel PNG. RGB drops the top byte.
Result EncodePng(const std::uint32_t* pixels, int w, int h, PngChannels channels,
                 std::vector<std::uint8_t>& out);

// EncodePng, then an atomic write to `path`.
Result WritePngFile(const std::string& path, const std::uint32_t* pixels, int w, int h,
                    PngChannels channels);

// Encodes a palette picture: `indices` (w x h, one byte each) into `palette`
// (at most 256 entries, 0xAARRGGBB). Entries with alpha below 255 go into the
// transparency chunk; the bit depth is the smallest that holds the palette.
Result EncodePngPalette(const std::uint8_t* indices, int w, int h,
                        std::span<const std::uint32_t> palette, std::vector<std::uint8_t>& out);

}  // namespace vx
