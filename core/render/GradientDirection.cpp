#include "render/GradientDirection.h"

#include "render/Color.h"
#include "render/RenderMath.h"

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

GradientByte GradientEndColour(const HslF& c) {
    const RgbF f = HslToRgbF(c);
    auto byte = [](float v) { return static_cast<std::uint32_t>(TruncClamp(v * 255.0f, 0, 255)); };
    return {byte(f.r), byte(f.g), byte(f.b)};
}

GradientEnds GradientEndsOf(const LogoParams& lt) {
    const auto weight = [](float v) { return static_cast<std::uint32_t>(UnitWeight(v)); };
    return {GradientEndColour(lt.grad_color1), GradientEndColour(lt.grad_color2),
            weight(lt.grad_opacity1), weight(lt.grad_opacity2), GradientDirectionOf(lt.grad_angle)};
}

}  // namespace vx
