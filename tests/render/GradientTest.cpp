#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "render/Color.h"
#include "render/FtText.h"
#include "render/GradientDirection.h"
#include "render/GradientPreview.h"
#include "render/Random.h"

namespace vx {
namespace {

using Pixels = std::vector<std::uint32_t>;
constexpr std::uint32_t SEED = 1234;

// Black (#1) to white (#2) at `angle`.
LogoParams BlackToWhite(int angle, float op1 = 1.0f, float op2 = 1.0f) {
    LogoParams lt;
    lt.grad = 1;
    lt.grad_angle = angle;
    lt.grad_color1 = {0, 0, 0};
    lt.grad_color2 = {0, 0, 240};
    lt.grad_opacity1 = op1;
    lt.grad_opacity2 = op2;
    return lt;
}

// A fully covered w x h object filled with `lt` over `background`, the object
// exactly covering the buffer.
Pixels Paint(int w, int h, const LogoParams& lt, std::uint32_t background = 0) {
    FtText ft;
    ft.szx = w;
    ft.szy = h;
    ft.cov.assign(static_cast<std::size_t>(w * h), 255);
    Pixels out(static_cast<std::size_t>(w * h), background);
    EngineRandom().Seed(SEED);
    ft.BltToBuf(lt, out.data(), w, h, w / 2, h / 2, 1, 1);
    return out;
}

// The dither of each pixel, drawn in the same order as the fill draws it.
Pixels Dither(std::size_t n) {
    RandomSource r(SEED);
    Pixels d(n);
    for (auto& v : d) v = static_cast<std::uint32_t>(7 * r.Next() / RandomSource::MAX);
    return d;
}

// Black to white over black at full opacity: a channel is t * 255 / 9000
// (truncated) plus the dither, where t, the pixel's position 0..9000, is the
// sum of a column and a row term, each truncated and each measured from the
// side the angle's quadrant starts at.
TEST(Gradient, RunsAlongItsAngleWithEachTermTruncated) {
    const struct {
        int angle, w, h;
        std::uint32_t col_weight, row_weight;
        bool from_right, from_bottom;
    } cases[] = {
        {0, 17, 5, 9000, 0, false, false},    {360, 17, 5, 9000, 0, false, false},
        {90, 6, 13, 0, 9000, false, false},   {180, 11, 3, 9000, 0, true, false},
        {270, 3, 11, 0, 9000, false, true},   {45, 9, 9, 4500, 4500, false, false},
        {120, 7, 5, 3000, 6000, true, false}, {135, 9, 7, 4500, 4500, true, false},
        {225, 9, 7, 4500, 4500, true, true},  {200, 9, 7, 7000, 2000, true, true},
        {315, 9, 7, 4500, 4500, false, true},
    };
    for (const auto& k : cases) {
        const Pixels out = Paint(k.w, k.h, BlackToWhite(k.angle)), n = Dither(out.size());
        const auto w = static_cast<std::uint32_t>(k.w), h = static_cast<std::uint32_t>(k.h);
        for (std::uint32_t r = 0; r < h; ++r)
            for (std::uint32_t c = 0; c < w; ++c) {
                const std::uint32_t t = (k.from_right ? w - c : c) * k.col_weight / w +
                                        (k.from_bottom ? h - r : r) * k.row_weight / h;
                const std::uint32_t v = std::min(255u, t * 65025 / 2295000 + n[r * w + c]);
                ASSERT_EQ(out[r * w + c], PackRgb(v, v, v)) << k.angle << " at " << c << "," << r;
            }
    }
    // Angles outside the bar's range wrap.
    EXPECT_EQ(Paint(8, 8, BlackToWhite(405)), Paint(8, 8, BlackToWhite(45)));
    EXPECT_EQ(Paint(8, 8, BlackToWhite(-90)), Paint(8, 8, BlackToWhite(270)));
}

// Opacity 1 at colour 1 and 0 at colour 2, over white: the right side keeps
// the background, the dither clamped at 255.
TEST(Gradient, FadesOutAndClampsTheDither) {
    const Pixels out = Paint(10, 1, BlackToWhite(0, 1.0f, 0.0f), 0xFFFFFF);
    EXPECT_LE(out[0] & 0xFF, 7u);
    EXPECT_GE(out[9] & 0xFF, 250u);
}

TEST(Gradient, LeavesPixelsItsColourDoesNotReachUntouched) {
    // Opacity 0 everywhere: no dither, on black as on grey.
    for (const std::uint32_t background : {0x000000u, 0x101010u})
        EXPECT_EQ(Paint(10, 1, BlackToWhite(0, 0.0f, 0.0f), background), Pixels(10, background));
    // Opacity 1/255 at colour 1 only: the first column carries colour weight 1
    // (and its dither); further right the weight truncates to 0.
    const Pixels faint = Paint(10, 1, BlackToWhite(0, 1.5f / 255.0f, 0.0f), 0x101010);
    EXPECT_EQ(faint[0] & 0xFF, 0x10 * (2295000 - 9000) / 2295000 + Dither(1)[0]);
    EXPECT_EQ(Pixels(faint.begin() + 1, faint.end()), Pixels(9, 0x101010));
}

TEST(Gradient, DrawsOneNumberPerPaintedPixelOnly) {
    FtText ft;
    ft.szx = 4;
    ft.szy = 1;
    ft.cov = {0, 255, 0, 255};
    Pixels out(2, 0);  // clips the last two columns
    EngineRandom().Seed(SEED);
    ft.BltToBuf(BlackToWhite(0), out.data(), 2, 1, 2, 0, 1, 1);
    RandomSource r(SEED);
    r.Next();  // the one painted pixel
    EXPECT_EQ(EngineRandom().Next(), r.Next());
    EXPECT_EQ(out[0], 0u);
}

TEST(GradientDirection, WeightsSumTo9000AtEveryAngle) {
    for (int a = 0; a <= 360; ++a) {
        const GradientDirection d = GradientDirectionOf(a);
        EXPECT_EQ(d.wx + d.wy, GRADIENT_STEPS) << a;
    }
}

// At full opacity the preview is exactly the fill of a fully covered object.
TEST(GradientPreview, AtFullOpacityIsTheFillOfTheObject) {
    for (const int angle : {0, 45, 90, 135, 180, 200, 225, 270, 315, 360}) {
        Pixels px;
        EngineRandom().Seed(SEED);
        PaintGradientPreview(BlackToWhite(angle), px, 9, 7);
        EXPECT_EQ(px, Paint(9, 7, BlackToWhite(angle))) << angle;
    }
}

// Both opacities 0: the bare checkerboard of 8-pixel cells, grey at the top
// left, plus the dither.
TEST(GradientPreview, TransparentEndsShowTheCheckerboard) {
    const int w = 20, h = 12;
    Pixels px;
    EngineRandom().Seed(SEED);
    PaintGradientPreview(BlackToWhite(30, 0.0f, 0.0f), px, w, h);
    const Pixels n = Dither(px.size());
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const std::uint32_t back = ((x / 8) + (y / 8)) % 2 == 0 ? 128 : 255;
            const std::uint32_t v = std::min(255u, back + n[y * w + x]);
            EXPECT_EQ(px[y * w + x], PackRgb(v, v, v)) << x << "," << y;
        }
}

}  // namespace
}  // namespace vx
