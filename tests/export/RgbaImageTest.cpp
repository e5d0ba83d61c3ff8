// The brand pack's picture operations on small pictures whose results are
// known by hand.

#include <gtest/gtest.h>

#include <algorithm>

#include "export/RgbaImage.h"

namespace vx {
namespace {

using Pixels = std::vector<std::uint32_t>;

TEST(RgbaImage, ShrinkingAveragesCoverageAndTransparentPixelsLendNoColour) {
    const struct {
        RgbaImage src;
        int w, h;
        Pixels expected;
    } cases[] = {
        // Half covered by opaque red: red at half alpha, no green from the clear half.
        {{2, 1, {0xFFFF0000, 0x0000FF00}}, 1, 1, {0x80FF0000}},
        // The same size leaves the picture as it is.
        {{3, 1, {0xFF000000, 0xFF0000FF, 0xFFFFFFFF}}, 3, 1, {0xFF000000, 0xFF0000FF, 0xFFFFFFFF}},
        {{4, 2, Pixels(8, 0xFF204060)}, 3, 1, Pixels(3, 0xFF204060)},
        {{2, 2, {0xFF0000FF, 0xFF0000FF, 0, 0}}, 1, 1, {0x800000FF}},
        // Enlarging repeats each pixel over the area it covers.
        {{2, 1, {0xFF000000, 0xFFFFFFFF}}, 4, 1, {0xFF000000, 0xFF000000, 0xFFFFFFFF, 0xFFFFFFFF}},
    };
    for (const auto& c : cases) {
        const RgbaImage out = ResampleImage(c.src, c.w, c.h);
        ASSERT_EQ(out.w, c.w);
        ASSERT_EQ(out.h, c.h);
        EXPECT_EQ(out.px, c.expected);
    }
}

TEST(RgbaImage, FittingCentresInsideTheMarginOverTheBackground) {
    const std::uint32_t green = 0xFF00FF00, half_red = 0x80FF0000, blue = 0xFF0000FF;
    const struct {
        RgbaImage src;
        std::uint32_t shown;           // over the blue background
        int left, top, right, bottom;  // where it lands in 6 x 6 with a margin of 1
    } cases[] = {
        {{4, 1, Pixels(4, green)}, green, 1, 2, 5, 3},          // centred at (6 - 1) / 2
        {{1, 2, Pixels(2, half_red)}, 0xFF80007F, 2, 1, 4, 5},  // enlarged to 2 x 4, at (6 - 2) / 2
    };
    for (const auto& c : cases) {
        Pixels expected(36, blue);
        for (int y = c.top; y < c.bottom; ++y)
            std::fill_n(expected.begin() + y * 6 + c.left, c.right - c.left, c.shown);
        EXPECT_EQ(FitImage(c.src, 6, 6, 1, blue).px, expected) << c.src.w << " x " << c.src.h;
        // A transparent background stays transparent around the logo.
        EXPECT_EQ(FitImage(c.src, 6, 6, 1, 0).px[0], 0u);
    }
}

TEST(RgbaImage, FlatteningAndRecolouringKeepCoverage) {
    // Grey 200 at alpha 200 over 0x204060 gives 163.8, 170.7 and 177.6: rounded.
    const RgbaImage part{2, 1, {0xC8C8C8C8, 0x00123456}};
    EXPECT_EQ(FlattenImage(part, 0x204060).px, (Pixels{0xFFA4ABB2, 0xFF204060}));
    EXPECT_EQ(RecolourImage(part, 0xFF0000).px, (Pixels{0xC8FF0000, 0x00FF0000}));
}

}  // namespace
}  // namespace vx
