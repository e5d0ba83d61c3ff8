#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "render/Color.h"
#include "render/Random.h"

namespace vx {
namespace {

// The corners of the scale; the background after Clear (0, 240, 240) and the
// default gradient colour #2 (255, 255, 255); grey 100 / 240 * 255 = 106.25
// truncated; a half-saturated orange (m2 0.75, m1 0.25: 191, a mix, 63); and
// values out of range or not finite, held at the ends.
TEST(HslToRgb, ConvertsTruncatesAndClamps) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    const std::pair<HslF, std::uint32_t> cases[] = {
        {{0, 0, 240}, 0xFFFFFF},     {{0, 0, 0}, 0x000000},       {{0, 240, 120}, 0xFF0000},
        {{80, 240, 120}, 0x00FF00},  {{160, 240, 120}, 0x0000FF}, {{0, 240, 240}, 0xFFFFFF},
        {{255, 255, 255}, 0xFFFFFF}, {{0, 0, 100}, 0x6A6A6A},     {{20, 120, 120}, 0xBF7F3F},
        {{-5, 500, 120}, 0xFF0000},  {{nan, nan, nan}, 0x000000}, {{0, 0, inf}, 0xFFFFFF},
    };
    for (const auto& [hsl, rgb] : cases)
        EXPECT_EQ(HslToRgb(hsl), rgb) << hsl.h << "," << hsl.s << "," << hsl.l;
    EXPECT_EQ(HslToRgb({300, 240, 120}), HslToRgb({239, 240, 120}));
}

TEST(RgbToHsl, GivesHueSaturationLightnessOnThe240ScaleAndGreysHue160) {
    const HslF red = RgbToHsl(255, 0, 0);
    EXPECT_FLOAT_EQ(red.h, 0.0f);
    EXPECT_FLOAT_EQ(red.s, 240.0f);
    EXPECT_NEAR(red.l, 120.0f, 1e-4);
    EXPECT_FLOAT_EQ(RgbToHsl(0, 255, 0).h, 80.0f);
    EXPECT_FLOAT_EQ(RgbToHsl(0, 0, 255).h, 160.0f);
    // Red largest with blue above green: negative hue wraps by 240.
    EXPECT_NEAR(RgbToHsl(255, 0, 128).h, 240.0f - 128.0f / 255.0f * 40.0f, 1e-3);
    // Light colours take the saturation from the distance to white.
    const HslF pink = RgbToHsl(255, 200, 200);
    EXPECT_NEAR(pink.s, 55.0f / (510.0f - 455.0f) * 240.0f, 1e-3);
    // Greys have hue 160 and no saturation.
    const HslF grey = RgbToHsl(128, 128, 128);
    EXPECT_FLOAT_EQ(grey.h, 160.0f);
    EXPECT_FLOAT_EQ(grey.s, 0.0f);
    EXPECT_NEAR(grey.l, 256.0f * 120.0f / 255.0f, 1e-3);
}

TEST(RgbToHsl, RoundTripsPrimaryAndSecondaryColours) {
    for (const std::uint32_t c :
         {0xFF0000u, 0x00FF00u, 0x0000FFu, 0xFFFF00u, 0x00FFFFu, 0xFF00FFu, 0xFFFFFFu, 0x000000u}) {
        const HslF hsl = RgbToHsl(static_cast<int>(c >> 16), static_cast<int>((c >> 8) & 0xFF),
                                  static_cast<int>(c & 0xFF));
        EXPECT_EQ(HslToRgb(hsl), c) << std::hex << c;
    }
}

TEST(Blend, TruncatesPerChannelAndClearsTheTopByte) {
    EXPECT_EQ(Blend(0xFFFFFF, 0x000000, 128), 0x7F7F7Fu);
    EXPECT_EQ(Blend(0xAA123456, 0xFF654321, 255), 0x654321u);
    EXPECT_EQ(Blend(0xAA123456, 0xFF654321, 0), 0x123456u);
    EXPECT_EQ(Blend(0x000000, 0xFFFFFF, 1), 0x010101u);
    EXPECT_EQ(Blend(0x0000FF, 0x000000, 1), 0x0000FEu);
    // (100 * 155 + 200 * 100) / 255 = 139.2.
    EXPECT_EQ(Blend(0x646464, 0xC8C8C8, 100), 0x8B8B8Bu);
    EXPECT_EQ(Blend(0x102030, 0x102030, 77), 0x102030u);
}

TEST(RandomSource, IsReproducibleFromItsSeedAndStaysInRange) {
    RandomSource a(42);
    RandomSource b(7);
    b.Seed(42);
    int lo = RandomSource::MAX;
    int hi = 0;
    for (int i = 0; i < 100000; ++i) {
        const int v = a.Next();
        ASSERT_EQ(v, b.Next());
        lo = std::min(lo, v);
        hi = std::max(hi, v);
    }
    EXPECT_EQ(lo, 0);
    EXPECT_EQ(hi, RandomSource::MAX);
    RandomSource c(43);
    RandomSource d(42);
    int same = 0;
    for (int i = 0; i < 100; ++i) same += c.Next() == d.Next();
    EXPECT_LT(same, 10);
}

}  // namespace
}  // namespace vx
