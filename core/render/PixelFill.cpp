#include "render/PixelFill.h"

#include <algorithm>

#include "shell/Buffers.h"

namespace vx {

bool FillSolid(std::vector<std::uint32_t>& buf, int w, int h, std::uint32_t colour) {
    const auto area = CheckedArea(std::max(w, 0), std::max(h, 0));
    if (!area) return false;
    return AllocBuffer(buf, *area, colour);
}

bool FillChecker(std::vector<std::uint32_t>& buf, int w, int h, std::uint32_t first,
                 std::uint32_t other) {
    if (!FillSolid(buf, w, h, first)) return false;
    for (int y = 0; y < h; ++y) {
        std::uint32_t* row = buf.data() + static_cast<std::size_t>(y) * w;
        for (int x = 0; x < w; ++x)
            if (((x / CHECKER_SQUARE) + (y / CHECKER_SQUARE)) & 1) row[x] = other;
    }
    return true;
}

}  // namespace vx
