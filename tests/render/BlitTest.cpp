#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <vector>

#include "render/Color.h"
#include "render/EffectFilter.h"
#include "render/FtText.h"
#include "render/GradientPreview.h"
#include "render/Random.h"
#include "support/Recorders.h"

namespace vx {
namespace {

using Bytes = std::vector<std::uint8_t>;
using Pixels = std::vector<std::uint32_t>;
constexpr std::uint32_t WHITE = 0xFFFFFF;
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

// A renderer holding a hand-made coverage, as Render would leave it, and the
// buffers it paints into.
class Blit : public test::RecordingTest {
protected:
    // Coverage of w x h pixels; blurred coverage only when given.
    void Coverage(int w, int h, Bytes cov, Bytes eff = {}) {
        ft.szx = w;
        ft.szy = h;
        ft.cov = std::move(cov);
        ft.eff = std::move(eff);
        ft.org_x = ft.org_y = 0;
    }
    // Paints into a w x h buffer of `background`, placed by the pen origin or
    // the centre.
    Pixels Paint(int w, int h, int x, int y, std::uint32_t background = WHITE, int centred = 0) {
        Pixels out(static_cast<std::size_t>(w * h), background);
        ft.BltToBuf(lt, out.data(), w, h, x, y, centred, centred);
        return out;
    }
    // A fully covered w x h object exactly covering the buffer, filled with
    // `fill` over `background` from a seeded dither.
    Pixels Filled(int w, int h, const LogoParams& fill, std::uint32_t background = 0) {
        Coverage(w, h, Bytes(static_cast<std::size_t>(w * h), 255));
        lt = fill;
        EngineRandom().Seed(SEED);
        return Paint(w, h, w / 2, h / 2, background, 1);
    }
    LogoParams lt;
    FtText ft;
};

TEST_F(Blit, PlacesTheCentreOrThePenOrigin) {
    Coverage(4, 3, {0, 0, 0, 0, 0, 0, 255, 0, 0, 0, 0, 0});  // the centre pixel (4/2, 3/2)
    ft.org_x = 3;
    EXPECT_EQ(Paint(10, 10, 5, 5, WHITE, 1)[5 * 10 + 5], 0u);
    EXPECT_EQ(Paint(10, 10, 5, 5)[6 * 10 + 4], 0u);  // pen origin (3, 0) at (5, 5)
}

// Wherever the object lies, even far outside, it is clipped to the buffer:
// the sanitizer build catches a write outside the exact-size buffer, and what
// lands inside is what a buffer larger on every side shows there.
TEST_F(Blit, ClipsAtEveryEdgeAndPaintsWhatALargerBufferShows) {
    lt.has_shadow = lt.has_outline = 1;
    lt.shadow_distance = 7;
    Coverage(20, 20, Bytes(400, 200), Bytes(400, 255));
    ft.org_x = 1;
    ft.org_y = 19;
    ft.otab = OutlineTable(0.5f);
    constexpr int W = 100, H = 50, PAD = 40, BIG_W = W + 2 * PAD, BIG_H = H + 2 * PAD;
    for (const auto& [cx, cy] : {std::pair{-5, 50},
                                 {105, 50},
                                 {50, -5},
                                 {50, 55},
                                 {-5, -5},
                                 {104, 54},
                                 {-1000000, 3},
                                 {INT_MAX, INT_MIN}}) {
        for (const int grad : {0, 1}) {
            lt.grad = grad;
            const Pixels out = Paint(W, H, cx, cy, WHITE, 1);
            if (grad) continue;  // the dither depends on how many pixels are painted
            const bool near = cx > -PAD && cx < W + PAD && cy > -PAD && cy < H + PAD;
            const Pixels big = near ? Paint(BIG_W, BIG_H, cx + PAD, cy + PAD, WHITE, 1)
                                    : Pixels(BIG_W * BIG_H, WHITE);
            for (int y = 0; y < H; ++y)
                for (int x = 0; x < W; ++x)
                    ASSERT_EQ(out[y * W + x], big[(y + PAD) * BIG_W + x + PAD])
                        << "object at " << cx << "," << cy << ": pixel " << x << "," << y;
        }
    }
}

// Opacity 0.5 is 127, so blur 200 weighs 99.6 and black over white gives
// 255 * 156 / 255; the shadow falls `distance` along its angle, 45 degrees
// being below and to the right (y down), each offset truncated. No coverage,
// so no fill; a written pixel loses the top byte even at weight 0.
TEST_F(Blit, ShadowWeightIsBlurTimesOpacityAtItsOffset) {
    lt.has_shadow = 1;
    lt.shadow_color = {0, 0, 0};
    Coverage(1, 1, {0}, {200});
    const struct {
        float opacity;
        int angle, distance, x, y;
        std::uint32_t shade;
    } cases[] = {
        {0.5f, 0, 3, 5, 2, 0x9C9C9C},
        {0.5f, 45, 5, 5, 5, 0x9C9C9C},  // 3.54 both ways
        {0.0f, 0, 0, 2, 2, 0xFFFFFF},
    };
    for (const auto& c : cases) {
        lt.shadow_opacity = c.opacity;
        lt.shadow_angle = c.angle;
        lt.shadow_distance = c.distance;
        Pixels expected(100, 0xABFFFFFF);
        expected[c.y * 10 + c.x] = c.shade;
        EXPECT_EQ(Paint(10, 10, 2, 2, 0xABFFFFFF), expected) << c.angle << " " << c.opacity;
    }
}

// Fill weight 100 over white, then the outline in red where the blur reaches
// but the coverage is not full: otab[255] * (255 - 100) * 255 / 65025.
TEST_F(Blit, OutlineLiesOnlyOutsideTheSolidInside) {
    lt.has_outline = 1;
    lt.outline_color = {0, 240, 120};
    lt.outline_opacity = 1.0f;
    lt.color = {0, 0, 0};
    Coverage(3, 1, {255, 100, 0}, {255, 255, 0});
    ft.otab = OutlineTable(0.5f);
    // White under fill 100 is 155; red at weight 155 then gives 215.8 and 60.8.
    EXPECT_EQ(Paint(3, 1, 0, 0, 0x12FFFFFF), (Pixels{0x000000, 0xD73C3C, 0x12FFFFFF}));
}

TEST_F(Blit, IgnoresEffectLayersWithoutEffectBuffers) {
    lt.has_shadow = lt.has_outline = 1;
    Coverage(4, 4, Bytes(16, 0));  // rendered without effects: no eff
    EXPECT_EQ(Paint(4, 4, 2, 2), Pixels(16, WHITE));
}

// The checkerboard of 8-pixel cells, grey at the top left, or a colour; the
// object centred vertically and at column `box` or centred.
TEST_F(Blit, ToDCAndToBitmapFillTheBackgroundAndCentreVertically) {
    Coverage(1, 1, {255});
    Pixels dta;
    ft.BltToDC(lt, dta, 20, 20, 3, WHITE, false, true);
    ASSERT_EQ(dta.size(), 400u);
    const std::uint32_t grey = 0xC0C0C0;
    // Cells (0, 0), (1, 0), (0, 1), (1, 1), (2, 2), then the object.
    EXPECT_EQ((Pixels{dta[0], dta[7], dta[8], dta[8 * 20], dta[8 * 20 + 8], dta[399], dta[203]}),
              (Pixels{grey, grey, WHITE, WHITE, grey, grey, 0}));
    ft.BltToBitmap(lt, dta, 6, 4, 0x00FF00);
    Pixels expected(24, 0x00FF00);
    expected[2 * 6 + 3] = 0;
    EXPECT_EQ(dta, expected);
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
TEST_F(Blit, GradientRunsAlongItsAngleWithEachTermTruncated) {
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
        const Pixels out = Filled(k.w, k.h, BlackToWhite(k.angle)), n = Dither(out.size());
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
    EXPECT_EQ(Filled(8, 8, BlackToWhite(405)), Filled(8, 8, BlackToWhite(45)));
    EXPECT_EQ(Filled(8, 8, BlackToWhite(-90)), Filled(8, 8, BlackToWhite(270)));
}

// Opacity 1 / 255 at colour 1 and 0 at colour 2: the first column carries
// colour weight 1 (and its dither), keeping 2286000 / 2295000 of each channel
// below, 15.94, 31.87 and 47.81 truncated; further right the weight truncates
// to 0. At opacity 0 everywhere no pixel changes, not even by the dither.
TEST_F(Blit, GradientLeavesPixelsItsColourDoesNotReachUntouched) {
    const std::uint32_t back = 0x102030, n = Dither(1)[0];
    for (const std::uint32_t background : {0x000000u, back})
        EXPECT_EQ(Filled(10, 1, BlackToWhite(0, 0.0f, 0.0f), background), Pixels(10, background));
    const Pixels faint = Filled(10, 1, BlackToWhite(0, 1.5f / 255.0f, 0.0f), back);
    EXPECT_EQ(faint[0], PackRgb(15 + n, 31 + n, 47 + n));
    EXPECT_EQ(Pixels(faint.begin() + 1, faint.end()), Pixels(9, back));
}

TEST_F(Blit, GradientDrawsOneNumberPerPaintedPixelOnly) {
    Coverage(4, 1, {0, 255, 0, 255});
    lt = BlackToWhite(0);
    EngineRandom().Seed(SEED);
    const Pixels out = Paint(2, 1, 2, 0, 0, 1);  // clips the last two columns
    RandomSource r(SEED);
    r.Next();  // the one painted pixel
    EXPECT_EQ(EngineRandom().Next(), r.Next());
    EXPECT_EQ(out[0], 0u);
}

// At full opacity the preview is exactly the fill of a fully covered object.
TEST_F(Blit, GradientPreviewAtFullOpacityIsTheFillOfTheObject) {
    for (const int angle : {0, 45, 90, 135, 180, 200, 225, 270, 315, 360}) {
        Pixels px;
        EngineRandom().Seed(SEED);
        PaintGradientPreview(BlackToWhite(angle), px, 9, 7);
        EXPECT_EQ(px, Filled(9, 7, BlackToWhite(angle))) << angle;
    }
}

// Both opacities 0: the bare checkerboard of 8-pixel cells, grey at the top
// left, plus the dither.
TEST_F(Blit, GradientPreviewTransparentEndsShowTheCheckerboard) {
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
