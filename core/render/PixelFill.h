#pragma once

// Fresh pixel buffers for painting into: a plain colour or the 8x8-pixel
// checkerboard that stands for transparency.

#include <cstdint>
#include <vector>

namespace vx {

constexpr int CHECKER_SQUARE = 8;

// Replaces `buf` by w x h pixels of `colour`. False (reported as out of memory)
// when the buffer cannot be had; a negative size gives an empty buffer.
bool FillSolid(std::vector<std::uint32_t>& buf, int w, int h, std::uint32_t colour);

// Replaces `buf` by w x h pixels of 8x8 squares: `first` at the top-left and
// wherever the square column and row are both even or both odd, `other` between.
bool FillChecker(std::vector<std::uint32_t>& buf, int w, int h, std::uint32_t first,
                 std::uint32_t other);

}  // namespace vx
