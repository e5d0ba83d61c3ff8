#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <vector>

#include "document/LogoObject.h"
#include "render/Color.h"
#include "render/EffectFilter.h"
#include "render/FtText.h"
#include "support/Recorders.h"

namespace vx {
namespace {

// A renderer holding a hand-made coverage, as Render would leave it.
FtText MakeCoverage(int w, int h, std::uint8_t value) {
    FtText ft;
    ft.szx = w;
    ft.szy = h;
    ft.cov.assign(static_cast<std::size_t>(w * h), value);
    ft.org_x = 1;
    ft.org_y = h - 1;
    return ft;
}

TEST(BltToBuf, PlacesTheCentreOrThePenOrigin) {
    LogoParams lt;
    FtText ft = MakeCoverage(4, 3, 0);
    ft.cov[1 * 4 + 2] = 255;  // the centre pixel (4/2, 3/2)
    ft.org_x = 3;
    ft.org_y = 0;
    std::vector<std::uint32_t> out(100, 0xFFFFFF);
    ft.BltToBuf(lt, out.data(), 10, 10, 5, 5, 1, 1);
    EXPECT_EQ(out[5 * 10 + 5], 0u);
    std::fill(out.begin(), out.end(), 0xFFFFFF);
    ft.BltToBuf(lt, out.data(), 10, 10, 5, 5, 0, 0);  // pen origin (3, 0) at (5, 5)
    EXPECT_EQ(out[6 * 10 + 4], 0u);
}

// Wherever the object lies, even far outside, it is clipped to the buffer:
// the sanitizer build catches a write outside the exact-size buffer, and what
// lands inside is what a buffer larger on every side shows there.
TEST(BltToBuf, ClipsAtEveryEdgeAndPaintsWhatALargerBufferShows) {
    LogoParams lt;
    lt.has_shadow = lt.has_outline = 1;
    lt.shadow_distance = 7;
    FtText ft = MakeCoverage(20, 20, 200);
    ft.eff.assign(ft.cov.size(), 255);
    ft.otab = OutlineTable(0.5f);
    constexpr int W = 100, H = 50, PAD = 40, BIG_W = W + 2 * PAD;
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
            std::vector<std::uint32_t> out(W * H, 0xFFFFFF);
            ft.BltToBuf(lt, out.data(), W, H, cx, cy, 1, 1);
            if (grad) continue;  // the dither depends on how many pixels are painted
            std::vector<std::uint32_t> big(BIG_W * (H + 2 * PAD), 0xFFFFFF);
            if (cx > -PAD && cx < W + PAD && cy > -PAD && cy < H + PAD)
                ft.BltToBuf(lt, big.data(), BIG_W, H + 2 * PAD, cx + PAD, cy + PAD, 1, 1);
            for (int y = 0; y < H; ++y)
                for (int x = 0; x < W; ++x)
                    ASSERT_EQ(out[y * W + x], big[(y + PAD) * BIG_W + x + PAD])
                        << "object at " << cx << "," << cy << ": pixel " << x << "," << y;
        }
    }
}

TEST(BltToBuf, ShadowWeightIsBlurTimesOpacity) {
    LogoParams lt;
    lt.has_shadow = 1;
    lt.shadow_angle = 0;
    lt.shadow_distance = 3;
    lt.shadow_opacity = 0.5f;  // 127
    lt.shadow_color = {0, 0, 0};
    FtText ft = MakeCoverage(1, 1, 0);
    ft.eff = {255};
    std::vector<std::uint32_t> out(10, 0xFFFFFF);
    ft.BltToBuf(lt, out.data(), 10, 1, 2, 0, 1, 1);
    EXPECT_EQ(out[5], Blend(0xFFFFFF, 0, 127));
    EXPECT_EQ(out[2], 0xFFFFFFu);  // no coverage, so no fill either

    // 45 degrees puts the shadow below and to the right (y down).
    lt.shadow_angle = 45;
    lt.shadow_distance = 5;  // dx = dy = truncate(3.54) = 3
    std::vector<std::uint32_t> sq(100, 0xFFFFFF);
    ft.BltToBuf(lt, sq.data(), 10, 10, 2, 2, 1, 1);
    EXPECT_NE(sq[5 * 10 + 5], 0xFFFFFFu);
}

TEST(BltToBuf, OutlineLiesOnlyOutsideTheSolidInside) {
    LogoParams lt;
    lt.has_outline = 1;
    lt.outline_color = {0, 240, 120};  // red
    lt.outline_opacity = 1.0f;
    lt.color = {0, 0, 0};
    FtText ft = MakeCoverage(3, 1, 0);
    ft.cov = {255, 100, 0};
    ft.eff = {255, 255, 0};
    ft.otab = OutlineTable(0.5f);
    std::vector<std::uint32_t> out(3, 0x12FFFFFF);
    ft.BltToBuf(lt, out.data(), 3, 1, 1, 0, 1, 1);
    EXPECT_EQ(out[0], 0x000000u);  // fully covered: fill only
    const std::uint32_t filled = Blend(0xFFFFFF, 0, 100);
    EXPECT_EQ(out[1], Blend(filled, 0xFF0000, 255 * 155 * 255 / 65025));
    EXPECT_EQ(out[2], 0x12FFFFFFu);  // nothing there: untouched, top byte kept
}

TEST(BltToBuf, WrittenPixelsGetAZeroTopByteEvenAtWeightZero) {
    LogoParams lt;
    lt.has_shadow = 1;
    lt.shadow_opacity = 0.0f;
    lt.shadow_distance = 0;
    FtText ft = MakeCoverage(1, 1, 0);
    ft.eff = {200};
    std::vector<std::uint32_t> out(1, 0xAB123456);
    ft.BltToBuf(lt, out.data(), 1, 1, 0, 0, 1, 1);
    EXPECT_EQ(out[0], 0x123456u);
}

TEST(BltToBuf, IgnoresEffectLayersWithoutEffectBuffers) {
    LogoParams lt;
    lt.has_shadow = 1;
    lt.has_outline = 1;
    FtText ft = MakeCoverage(4, 4, 0);  // rendered without effects: no eff
    std::vector<std::uint32_t> out(16, 0xFFFFFF);
    ft.BltToBuf(lt, out.data(), 4, 4, 2, 2, 1, 1);
    EXPECT_EQ(out, std::vector<std::uint32_t>(16, 0xFFFFFF));
}

TEST(BltToDC, FillsACheckerboardOrAColourAndCentresVertically) {
    LogoParams lt;
    FtText ft = MakeCoverage(1, 1, 255);
    ft.org_x = 0;
    std::vector<std::uint32_t> dta;
    ft.BltToDC(lt, dta, 20, 20, 3, 0xFFFFFF, false, true);
    ASSERT_EQ(dta.size(), 400u);
    EXPECT_EQ(dta[0], 0xC0C0C0u);
    EXPECT_EQ(dta[7], 0xC0C0C0u);
    EXPECT_EQ(dta[8], 0xFFFFFFu);
    EXPECT_EQ(dta[8 * 20], 0xFFFFFFu);
    EXPECT_EQ(dta[8 * 20 + 8], 0xC0C0C0u);
    EXPECT_EQ(dta[19 * 20 + 19], 0xC0C0C0u);  // square (2, 2)
    EXPECT_EQ(dta[10 * 20 + 3], 0u);          // the object: column box, row dh/2

    ft.BltToBitmap(lt, dta, 6, 4, 0x00FF00);
    ASSERT_EQ(dta.size(), 24u);
    EXPECT_EQ(dta[2 * 6 + 3], 0u);
    EXPECT_EQ(dta[0], 0x00FF00u);
}

TEST(BltCust, PaintsEachPixelWithItsOwnAlpha) {
    test::Recorders rec;
    LogoObject o;
    o.type = BITMAP_OBJECT;
    o.w = 3;
    o.h = 1;
    o.cbm = {0x00FF0000, 0xFF00FF00, 0x800000FF};
    std::vector<std::uint32_t> out(5, 0xFFFFFF);
    o.BltCust(out.data(), 5, 1, 2, 0);
    EXPECT_EQ(out[1], 0xFFFFFFu);  // alpha 0: unchanged
    EXPECT_EQ(out[2], 0x00FF00u);  // alpha 255: replaced, top byte 0
    EXPECT_EQ(out[3], Blend(0xFFFFFF, 0x0000FF, 0x80));
    EXPECT_EQ(out[0], 0xFFFFFFu);
    EXPECT_EQ(out[4], 0xFFFFFFu);
    EXPECT_TRUE(rec.reports.empty());
}

TEST(BltCust, ClipsAndPlacesAOnePixelBitmapAtItsPosition) {
    LogoObject o;
    o.type = BITMAP_OBJECT;
    o.x = 3;
    o.y = -2;
    o.w = o.h = 1;
    o.cbm = {0xFF000000};
    std::vector<std::uint32_t> out(100, 0xFFFFFF);
    o.BltToBuf(out.data(), 10, 10, 5, 5);
    EXPECT_EQ(out[3 * 10 + 8], 0u);
    EXPECT_EQ(std::count(out.begin(), out.end(), 0u), 1);
    o.x = INT_MAX;  // far outside: nothing, no overflow
    o.BltToBuf(out.data(), 10, 10, 5, 5);
    EXPECT_EQ(std::count(out.begin(), out.end(), 0u), 1);
}

TEST(BltCust, PaintsNothingWhenTheBitmapCannotBeHad) {
    test::Recorders rec;
    LogoObject o;
    o.type = BITMAP_OBJECT;
    o.file = "/nonexistent/picture.png";
    o.w = o.h = 4;
    std::vector<std::uint32_t> out(64, 0xFFFFFF);
    o.BltCust(out.data(), 8, 8, 4, 4);
    EXPECT_EQ(out, std::vector<std::uint32_t>(64, 0xFFFFFF));
    // Pixels that do not match the stated size are refused, not read past.
    o.cbm = {0xFF000000};
    o.BltCust(out.data(), 8, 8, 4, 4);
    EXPECT_EQ(out, std::vector<std::uint32_t>(64, 0xFFFFFF));
    EXPECT_EQ(rec.FailedExpressions(), std::vector<std::string>{"cbm.size()==w*h"});
}

}  // namespace
}  // namespace vx
