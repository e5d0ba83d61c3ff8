#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "render/Color.h"
#include "render/FtText.h"
#include "render/Random.h"

namespace vx {
namespace {

constexpr std::uint32_t SEED = 1234;

// Fills a fully covered w x h object over `background` with a black-to-white
// gradient at `angle`, the object exactly covering the buffer.
std::vector<std::uint32_t> Paint(int w, int h, int angle, float op1 = 1.0f, float op2 = 1.0f,
                                 std::uint32_t background = 0) {
    LogoParams lt;
    lt.grad = 1;
    lt.grad_angle = angle;
    lt.grad_color1 = {0, 0, 0};
    lt.grad_color2 = {0, 0, 240};
    lt.grad_opacity1 = op1;
    lt.grad_opacity2 = op2;
    FtText ft;
    ft.szx = w;
    ft.szy = h;
    ft.cov.assign(static_cast<std::size_t>(w * h), 255);
    std::vector<std::uint32_t> out(static_cast<std::size_t>(w * h), background);
    EngineRandom().Seed(SEED);
    ft.BltToBuf(lt, out.data(), w, h, w / 2, h / 2, 1, 1);
    return out;
}

// The dither of each pixel, drawn in the same order as the fill draws it.
std::vector<std::uint32_t> Dither(std::size_t n) {
    RandomSource r(SEED);
    std::vector<std::uint32_t> d(n);
    for (auto& v : d) v = static_cast<std::uint32_t>(7 * r.Next() / RandomSource::MAX);
    return d;
}

// Black to white over black at full opacity: a channel is t * 255 / 9000
// (truncated) plus the dither, where t is the pixel's position 0..9000.
void ExpectPositions(int angle, int w, int h, std::uint32_t (*t)(int c, int r, int w, int h)) {
    const std::vector<std::uint32_t> out = Paint(w, h, angle);
    const std::vector<std::uint32_t> n = Dither(out.size());
    for (int r = 0; r < h; ++r)
        for (int c = 0; c < w; ++c) {
            const std::size_t i = static_cast<std::size_t>(r * w + c);
            const std::uint32_t v = std::min(255u, t(c, r, w, h) * 65025 / 2295000 + n[i]);
            ASSERT_EQ(out[i], PackRgb(v, v, v)) << "angle " << angle << " at " << c << "," << r;
        }
}

std::uint32_t U(int v) {
    return static_cast<std::uint32_t>(v);
}

TEST(Gradient, RunsAlongItsAngleWithEachTermTruncated) {
    const auto across = [](int c, int, int w, int) { return U(c) * 9000 / U(w); };
    const struct {
        int angle, w, h;
        std::uint32_t (*t)(int c, int r, int w, int h);
    } cases[] = {
        {0, 17, 5, across},
        {360, 17, 5, across},
        {90, 6, 13, [](int, int r, int, int h) { return U(r) * 9000 / U(h); }},
        {180, 11, 3, [](int c, int, int w, int) { return (U(w) - U(c)) * 9000 / U(w); }},
        {270, 3, 11, [](int, int r, int, int h) { return (U(h) - U(r)) * 9000 / U(h); }},
        {45, 9, 9,
         [](int c, int r, int w, int h) { return U(c) * 4500 / U(w) + U(r) * 4500 / U(h); }},
        // Each quadrant measures its column and row from its own sides.
        {120, 7, 5,
         [](int c, int r, int w, int h) {
             return (U(w) - U(c)) * 3000 / U(w) + U(r) * 6000 / U(h);
         }},
        {135, 9, 7,
         [](int c, int r, int w, int h) {
             return (U(w) - U(c)) * 4500 / U(w) + U(r) * 4500 / U(h);
         }},
        {225, 9, 7,
         [](int c, int r, int w, int h) {
             return (U(w) - U(c)) * 4500 / U(w) + (U(h) - U(r)) * 4500 / U(h);
         }},
        {315, 9, 7,
         [](int c, int r, int w, int h) {
             return U(c) * 4500 / U(w) + (U(h) - U(r)) * 4500 / U(h);
         }},
    };
    for (const auto& c : cases) ExpectPositions(c.angle, c.w, c.h, c.t);
    const std::vector<std::uint32_t> out = Paint(9, 9, 45);
    EXPECT_LE(out.front() & 0xFF, 7u);  // colour 1 plus dither
    EXPECT_GE(out.back() & 0xFF, 200u);
    // Angles outside the bar's range wrap.
    EXPECT_EQ(Paint(8, 8, 405), Paint(8, 8, 45));
    EXPECT_EQ(Paint(8, 8, -90), Paint(8, 8, 270));
}

TEST(Gradient, FadesOutAndClampsTheDither) {
    // Opacity 1 at colour 1 and 0 at colour 2, over white: the right side keeps
    // the background; the dither is clamped at 255.
    const std::vector<std::uint32_t> out = Paint(10, 1, 0, 1.0f, 0.0f, 0xFFFFFF);
    EXPECT_LE(out[0] & 0xFF, 7u);
    EXPECT_GE(out[9] & 0xFF, 250u);  // nearly transparent: nearly the background
}

TEST(Gradient, LeavesPixelsItsColourDoesNotReachUntouched) {
    // Opacity 0 everywhere: no dither, on black as on grey.
    for (const std::uint32_t background : {0x000000u, 0x101010u})
        EXPECT_EQ(Paint(10, 1, 0, 0.0f, 0.0f, background),
                  std::vector<std::uint32_t>(10, background));
    // Opacity 1/255 at colour 1 only: the first column carries colour weight 1
    // (and its dither); further right the weight truncates to 0.
    const std::vector<std::uint32_t> faint = Paint(10, 1, 0, 1.5f / 255.0f, 0.0f, 0x101010);
    EXPECT_EQ(faint[0] & 0xFF, 0x10 * (2295000 - 9000) / 2295000 + Dither(1)[0]);
    EXPECT_EQ(std::vector<std::uint32_t>(faint.begin() + 1, faint.end()),
              std::vector<std::uint32_t>(9, 0x101010));
}

TEST(Gradient, DrawsOneNumberPerPaintedPixelOnly) {
    LogoParams lt;
    lt.grad = 1;
    FtText ft;
    ft.szx = 4;
    ft.szy = 1;
    ft.cov = {0, 255, 0, 255};
    std::vector<std::uint32_t> out(2, 0);  // clips the last two columns
    EngineRandom().Seed(SEED);
    ft.BltToBuf(lt, out.data(), 2, 1, 2, 0, 1, 1);
    RandomSource r(SEED);
    r.Next();  // the one painted pixel
    EXPECT_EQ(EngineRandom().Next(), r.Next());
    EXPECT_EQ(out[0], 0u);
}

}  // namespace
}  // namespace vx
