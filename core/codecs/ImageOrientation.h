#pragma once

// The orientation codes of TIFF and EXIF: how the stored rows and columns of a
// picture map to the picture as it is meant to be seen. Cameras store photos
// as the sensor read them and record the turn here; every viewer applies it.

#include "codecs/Image.h"

namespace vx {

// 1 as stored; 2 mirrored; 3 turned half round; 4 upside down; 5 to 8 with rows
// and columns swapped (5 transposed, 6 turned a quarter clockwise, 7 transposed
// the other way, 8 turned a quarter anticlockwise).
constexpr int ORIENTATION_AS_STORED = 1;
constexpr int ORIENTATION_MAX = 8;

// Rearranges `img` (pixels and alpha plane) from stored order into the order
// `orientation` describes; any code outside 2..8 leaves it as it is. False,
// with the image unchanged, when the new pixels cannot be allocated.
bool ApplyOrientation(Image& img, int orientation);

}  // namespace vx
