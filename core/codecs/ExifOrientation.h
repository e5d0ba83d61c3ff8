#pragma once

// The orientation code of a JPEG file's EXIF block (the APP1 segment that
// starts "Exif\0\0"): a small TIFF structure whose first directory may hold
// the Orientation tag.

#include <cstdint>
#include <span>

namespace vx {

// The code 1..8 the segment's first directory holds; 1 (as stored) when the
// segment is not EXIF, holds no orientation or a value outside 1..8, or is
// damaged.
int ExifOrientation(std::span<const std::uint8_t> app1);

}  // namespace vx
