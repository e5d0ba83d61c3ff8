#include "render/GlyphPlacer.h"

#include <cmath>

#include "render/RenderMath.h"

namespace vx {

namespace {

constexpr float TWO_PI = 6.2831855f;
constexpr float HALF_PI = 1.5707964f;
constexpr double PIXELS_PER_UNIT = 0.015625;  // 1/64: 26.6 to pixels

FT_Matrix Rotation(double phi) {
    const int c = TruncClamp(std::cos(phi) * 65536.0, -65536, 65536);
    const int s = TruncClamp(std::sin(phi) * 65536.0, -65536, 65536);
    FT_Matrix m;
    m.xx = c;
    m.yy = c;
    m.xy = -s;
    m.yx = s;
    return m;
}

}  // namespace

GlyphPlacer::GlyphPlacer(const LogoParams& lt, float scale) {
    if (lt.has_transform) {
        a_ = lt.angle * TWO_PI;
        // A turn count no float can hold says nothing; draw it unturned.
        if (!std::isfinite(a_)) a_ = 0.0f;
    }
    bent_ = lt.has_bend && lt.has_transform;
    s_ = lt.bend_in ? -1.0f : 1.0f;
    // Below 0 the radius outgrows float precision (and overflows to infinity).
    const double bend = lt.bend >= 0.0f ? static_cast<double>(lt.bend) : 0.0;
    r_ = (static_cast<float>(std::exp(10.0 * (1.0 - bend))) + 30.0f) * scale;
    cx_ = static_cast<float>(std::sin(static_cast<double>(a_))) * r_ * s_;
    cy_ = -static_cast<float>(std::cos(static_cast<double>(a_))) * r_ * s_;
}

GlyphPlace GlyphPlacer::Place(long long pen, long adv) const {
    constexpr int LIMIT = 1 << 30;
    GlyphPlace p;
    const double a = a_;
    if (!bent_) {
        const double d = static_cast<double>(pen);
        p.x = TruncClamp(d * std::cos(a) * PIXELS_PER_UNIT, -LIMIT, LIMIT);
        p.y = TruncClamp(d * std::sin(a) * PIXELS_PER_UNIT, -LIMIT, LIMIT);
        p.matrix = Rotation(a);
        return p;
    }
    const double s = s_;
    const double r = r_;
    const double theta = a - s * (static_cast<double>(pen) * PIXELS_PER_UNIT) / r + s * HALF_PI;
    p.x = TruncClamp(r * std::cos(theta) + cx_, -LIMIT, LIMIT);
    p.y = TruncClamp(r * std::sin(theta) + cy_, -LIMIT, LIMIT);
    const double mid = static_cast<double>(pen) + 0.5 * static_cast<double>(adv);
    p.matrix = Rotation(a - s * (mid * PIXELS_PER_UNIT) / r);
    return p;
}

}  // namespace vx
