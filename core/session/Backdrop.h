#pragma once

// The output window's background: a vertical gradient from (201, 219, 219) at
// the top towards (134, 180, 202) at the bottom, each row lifted by a little
// noise so that it reads as paper rather than flat paint. Built once per resize.

#include <cstdint>
#include <vector>

namespace vx {

// dx x dy pixels 0x00RRGGBB, top row first; empty when either size is 0 or less.
std::vector<std::uint32_t> BuildBackdrop(int dx, int dy);

}  // namespace vx
