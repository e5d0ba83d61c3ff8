#include <gtest/gtest.h>

#include <vector>

#include "render/GradientDirection.h"
#include "render/GradientPreview.h"
#include "render/Random.h"

namespace vx {
namespace {

constexpr int W = 40;
constexpr int H = 32;

// Black (#1) to white (#2) at full opacity over the checkerboard.
std::vector<std::uint32_t> Preview(int angle, float op1 = 1.0f, float op2 = 1.0f) {
    LogoParams lt;
    lt.grad_color1 = {0, 0, 0};
    lt.grad_color2 = {0, 0, 240};
    lt.grad_opacity1 = op1;
    lt.grad_opacity2 = op2;
    lt.grad_angle = angle;
    std::vector<std::uint32_t> px;
    EngineRandom().Seed(7);
    PaintGradientPreview(lt, px, W, H);
    return px;
}

int Blue(const std::vector<std::uint32_t>& px, int x, int y) {
    return static_cast<int>(px[static_cast<std::size_t>(y * W + x)] & 0xFF);
}

struct Ends {
    int angle;
    int x1, y1;  // where colour #1 (dark) shows
    int x2, y2;  // where colour #2 (light) shows
};

TEST(GradientPreview, ColourOneStartsWhereTheAngleSays) {
    const Ends cases[] = {
        {0, 0, H / 2, W - 1, H / 2},   {90, W / 2, 0, W / 2, H - 1}, {180, W - 1, H / 2, 0, H / 2},
        {270, W / 2, H - 1, W / 2, 0}, {45, 0, 0, W - 1, H - 1},     {360, 0, H / 2, W - 1, H / 2},
    };
    for (const Ends& e : cases) {
        const auto px = Preview(e.angle);
        EXPECT_LT(Blue(px, e.x1, e.y1), 20) << e.angle;
        EXPECT_GT(Blue(px, e.x2, e.y2), 230) << e.angle;
    }
}

// Both opacities 0: the bare checkerboard (grey cell at the top left) and the
// dither of at most 6.
TEST(GradientPreview, TransparentEndsShowTheCheckerboard) {
    const auto px = Preview(30, 0.0f, 0.0f);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const int back = ((x / 8) + (y / 8)) % 2 == 0 ? 128 : 255;
            const int got = Blue(px, x, y);
            EXPECT_TRUE(got >= back && got <= std::min(255, back + 6)) << x << "," << y;
        }
}

TEST(GradientDirection, WeightsSumTo9000AndMirrorByQuadrant) {
    for (int a = 0; a <= 360; ++a) {
        const GradientDirection d = GradientDirectionOf(a);
        EXPECT_EQ(d.wx + d.wy, GRADIENT_STEPS) << a;
    }
    const GradientDirection d = GradientDirectionOf(200);
    EXPECT_TRUE(d.from_right && d.from_bottom);
    EXPECT_EQ(d.wy, 2000u);
}

}  // namespace
}  // namespace vx
