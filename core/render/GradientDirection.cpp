#include "render/GradientDirection.h"

namespace vx {

GradientDirection GradientDirectionOf(int angle) {
    int t = angle;
    if (t < 0 || t > 360) t = ((t % 360) + 360) % 360;
    const auto d = [](int v) { return static_cast<std::uint32_t>(v); };
    switch (t / 90) {
        case 0:
            return {d(9000 - 100 * t), d(100 * t), false, false};
        case 1:
            return {d(100 * (t - 90)), d(9000 - 100 * (t - 90)), true, false};
        case 2:
            return {d(9000 - 100 * (t - 180)), d(100 * (t - 180)), true, true};
        default:
            return {d(100 * (t - 270)), d(9000 - 100 * (t - 270)), false, true};
    }
}

}  // namespace vx
