#pragma once

// Bounds on the pictures we decode. A header is checked against them before
// anything is allocated, so a file that claims a huge picture is refused at
// once instead of exhausting memory. They lie far beyond any logo.

#include <cstddef>

namespace vx {

constexpr int MAX_IMAGE_SIDE = 16384;
constexpr std::size_t MAX_IMAGE_PIXELS = std::size_t{64} << 20;
// An uncompressed 64-megapixel picture at 32 bits a pixel, with room to spare.
constexpr std::size_t MAX_IMAGE_FILE_BYTES = std::size_t{512} << 20;

inline constexpr const char* IMAGE_TOO_LARGE_TEXT =
    "image larger than 16384 pixels a side or 64 megapixels";

inline bool ImageSizeAllowed(long long w, long long h) {
    return w > 0 && h > 0 && w <= MAX_IMAGE_SIDE && h <= MAX_IMAGE_SIDE &&
           static_cast<std::size_t>(w) * static_cast<std::size_t>(h) <= MAX_IMAGE_PIXELS;
}

}  // namespace vx
