#include "session/SliderScale.h"

#include <algorithm>
#include <cmath>

namespace vx {

namespace {

// Fractions such as 1.3 or 181/360 land a hair below the whole number in
// floats; without this margin a stored 1.3 would show and store as 1.2, and a
// spin would step from the number below the one the user saw.
constexpr double TRUNC_MARGIN = 1e-3;

int Trunc(double v) {
    return static_cast<int>(std::trunc(v + (v >= 0 ? TRUNC_MARGIN : -TRUNC_MARGIN)));
}

// The ratio of a fraction before it is cut to one decimal.
double AspectRatio(float value) {
    return value < 0.5f ? static_cast<double>(value) + 0.5 : 2.0 * value;
}

}  // namespace

float SliderFraction(int v, int min, int max) {
    if (max <= min) return 0.0f;
    return static_cast<float>(std::clamp(v, min, max) - min) / static_cast<float>(max - min);
}

int SliderInteger(float value, int min, int max) {
    return Trunc(min + static_cast<double>(max - min) * value);
}

std::string SliderText(float value, SliderMode mode, int min, int max) {
    if (mode == SliderMode::INTEGER) return std::to_string(SliderInteger(value, min, max));
    const int tenths = Trunc(AspectRatio(value) * 10.0);
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
}

float SliderDragFraction(int x, int w) {
    if (w <= 10) return 0.0f;
    const int xc = std::clamp(x, 5, w - 5);
    return std::clamp(static_cast<float>(xc - 5) / static_cast<float>(w - 10), 0.0f, 1.0f);
}

int SliderThumbX(float value, int w) {
    return 5 + static_cast<int>(static_cast<float>(w - 11) * std::clamp(value, 0.0f, 1.0f));
}

float AspectFraction(float aspect) {
    return std::clamp(aspect < 1.0f ? aspect - 0.5f : aspect * 0.5f, 0.0f, 1.0f);
}

float AspectOfFraction(float value) {
    return static_cast<float>(Trunc(AspectRatio(value) * 10.0)) * 0.1f;
}

}  // namespace vx
