#include "render/ShadowOffset.h"

#include <cmath>

#include "render/RenderMath.h"

namespace vx {

PixelOffset ShadowOffset(const LogoParams& lt, float scale) {
    constexpr int LIMIT = 1 << 30;
    const float a = static_cast<float>(lt.shadow_angle) * 0.0027777778f * 6.2831855f;
    const double dist = lt.shadow_distance * static_cast<double>(scale);
    return PixelOffset{TruncClamp(std::cos(static_cast<double>(a)) * dist, -LIMIT, LIMIT),
                       TruncClamp(std::sin(static_cast<double>(a)) * dist, -LIMIT, LIMIT)};
}

}  // namespace vx
