#include "session/Backdrop.h"

#include "render/Color.h"
#include "render/Random.h"

namespace vx {

std::vector<std::uint32_t> BuildBackdrop(int dx, int dy) {
    if (dx <= 0 || dy <= 0) return {};
    std::vector<std::uint32_t> px(static_cast<std::size_t>(dx) * static_cast<std::size_t>(dy));
    RandomSource& random = EngineRandom();
    for (int y = 0; y < dy; ++y) {
        const int r = 201 + (-67 * y) / dy;
        const int g = 219 + (-39 * y) / dy;
        const int b = 219 + (-17 * y) / dy;
        std::uint32_t* row = &px[static_cast<std::size_t>(y) * static_cast<std::size_t>(dx)];
        for (int x = 0; x < dx; ++x) {
            const int n = (5 * random.Next()) / RandomSource::MAX;  // 0..5
            row[x] = PackRgb(static_cast<std::uint32_t>(r + n), static_cast<std::uint32_t>(g + n),
                             static_cast<std::uint32_t>(b + n));
        }
    }
    return px;
}

}  // namespace vx
