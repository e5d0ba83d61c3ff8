#include "session/DragRules.h"

#include <algorithm>

namespace vx {

namespace {

constexpr int MIN_EXTENT = 5;  // exclusive limits of a resized width or size
constexpr int MAX_EXTENT = 3000;

int Scaled(int start, double d) {
    const double v = d >= 0 ? start * (1 + d) : start / (1 - d);
    return static_cast<int>(std::clamp(v, -1e9, 1e9));
}

}  // namespace

int PickObject(const LeFile& lf, int cx, int cy) {
    for (int n = lf.objs - 1; n >= 0; --n) {
        if (!lf.obj[n]) continue;
        const ObjectBox b = BoxOf(*lf.obj[n]);
        if (b.left <= cx && cx <= b.right && b.top <= cy && cy <= b.bottom) return n;
    }
    return -1;
}

void ClampToWindow(int& x, int& y, int W, int H) {
    const auto clamp = [](int v, int size) {
        const long long edge =
            std::clamp(static_cast<long long>(v) + size / 2, 0LL, static_cast<long long>(size));
        return static_cast<int>(edge - size / 2);
    };
    x = clamp(x, W);
    y = clamp(y, H);
}

bool ResizeDrag::Apply(int x, int W, LogoParams& lt) const {
    if (x <= 0 || x >= W) return false;
    const double d = static_cast<double>(start_x - x) / W;
    const int width = Scaled(start_width, d);
    const int size = Scaled(start_size, d);
    if (width > MIN_EXTENT && width < MAX_EXTENT) lt.width = width;
    if (size > MIN_EXTENT && size < MAX_EXTENT) lt.size = size;
    return true;
}

}  // namespace vx
