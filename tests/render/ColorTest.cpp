#include <gtest/gtest.h>

#include <limits>

#include "document/ParamFields.h"
#include "render/Color.h"
#include "render/ColorShift.h"
#include "render/Random.h"
#include "support/Documents.h"
#include "support/Recorders.h"

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
        {{300, 240, 120}, 0xFF0006},  // held at hue 239
    };
    for (const auto& [hsl, rgb] : cases)
        EXPECT_EQ(HslToRgb(hsl), rgb) << hsl.h << "," << hsl.s << "," << hsl.l;
}

// Red largest with blue above green wraps its negative hue by 240; dark colours
// take the saturation from the distance to black, light ones from white; greys
// have hue 160 and no saturation.
TEST(RgbToHsl, GivesHueSaturationLightnessOnThe240Scale) {
    const struct {
        int r, g, b;
        float h, s, l;
    } cases[] = {
        {255, 0, 0, 0, 240, 120},
        {0, 255, 0, 80, 240, 120},
        {0, 0, 255, 160, 240, 120},
        {255, 0, 128, 219.92157f, 240, 120},
        {90, 30, 30, 0, 120, 56.470588f},
        {255, 200, 200, 0, 240, 214.11765f},
        {128, 128, 128, 160, 0, 120.47059f},
    };
    for (const auto& c : cases) {
        const HslF got = RgbToHsl(c.r, c.g, c.b);
        EXPECT_NEAR(got.h, c.h, 1e-3) << c.r << "," << c.g << "," << c.b;
        EXPECT_NEAR(got.s, c.s, 1e-3) << c.r << "," << c.g << "," << c.b;
        EXPECT_NEAR(got.l, c.l, 1e-3) << c.r << "," << c.g << "," << c.b;
    }
    for (const std::uint32_t c : {0xFFFF00u, 0x00FFFFu, 0xFF00FFu, 0xFFFFFFu, 0x000000u})
        EXPECT_EQ(HslToRgb(RgbToHsl(c >> 16, (c >> 8) & 0xFF, c & 0xFF)), c) << std::hex << c;
}

TEST(RgbToHsl, LightnessIsTheSumTimes120Over255AsWritten) {
    // For some sums (1, for one) a folded 120 / 255 lands a float step away.
    for (int sum = 0; sum <= 510; ++sum) {
        const int mx = std::min(sum, 255);
        ASSERT_EQ(RgbToHsl(mx, sum - mx, sum - mx).l, static_cast<float>(sum) * 120.0f / 255.0f)
            << sum;
    }
}

// 127.5 and 160.8 truncate; the top bytes of both inputs are dropped.
TEST(Blend, TruncatesPerChannelAndClearsTheTopByte) {
    EXPECT_EQ(Blend(0xFFFFFF, 0x000000, 128), 0x7F7F7Fu);
    EXPECT_EQ(Blend(0xAA123456, 0xFF654321, 255), 0x654321u);
    EXPECT_EQ(Blend(0xAA123456, 0xFF654321, 0), 0x123456u);
    EXPECT_EQ(Blend(0x0000FF, 0x000000, 1), 0x0000FEu);
    EXPECT_EQ(Blend(0x6464C8, 0xC8C864, 100), 0x8B8BA0u);
}

// The classic linear congruential sequence of seed 1, restarted by Seed.
TEST(RandomSource, GivesTheSequenceOfItsSeed) {
    const int expected[] = {41, 18467, 6334, 26500, 19169, 15724};
    RandomSource fresh, reseeded(42);
    reseeded.Seed(1);
    for (const int v : expected) {
        EXPECT_EQ(fresh.Next(), v);
        EXPECT_EQ(reseeded.Next(), v);
    }
}

// +100 adds 120 (200 wraps to 81), -100 takes 120 (50 wraps to 169), +50
// saturation scales by 1.5 and clamps, -100 saturation greys, lightness scales;
// a channel in the middle keeps even an out-of-range stored value.
TEST(ShiftColor, WrapsHueBy239AndScalesAndClampsSaturationAndLightness) {
    const struct {
        HslF start;
        float h, s, l;
        HslF expected;
    } cases[] = {
        {{200, 100, 100}, 1.0f, 0.5f, 0.5f, {81, 100, 100}},
        {{50, 100, 100}, 0.0f, 0.5f, 0.5f, {169, 100, 100}},
        {{10, 200, 100}, 0.5f, 0.75f, 0.5f, {10, 240, 100}},
        {{10, 200, 100}, 0.5f, 0.0f, 0.5f, {10, 0, 100}},
        {{10, 200, 100}, 0.5f, 0.5f, 1.0f, {10, 200, 200}},
        {{10, 200, 180}, 0.5f, 0.5f, 1.0f, {10, 200, 240}},
        {{255, 255, 255}, 0.5f, 0.5f, 0.5f, {255, 255, 255}},
        {{255, 255, 255}, 0.5f, 0.6f, 0.5f, {255, 240, 255}},
    };
    for (const auto& c : cases) {
        const HslF got = ShiftColor(c.start, c.h, c.s, c.l);
        EXPECT_NEAR(got.h, c.expected.h, 1e-3) << c.start.h;
        EXPECT_NEAR(got.s, c.expected.s, 1e-3) << c.start.s;
        EXPECT_NEAR(got.l, c.expected.l, 1e-3) << c.start.l;
    }
}

// Three objects, the second current, whose colours all differ and lie inside
// the HSL ranges.
class ColorShiftTest : public test::RecordingTest {
protected:
    void SetUp() override {
        float k = 1;  // the braced list is evaluated left to right
        const auto distinct = [&k](const char*, HslF& c) { c = {k * 13, k * 11, k++ * 7}; };
        for (int n = 0; n < lf.objs; ++n) VisitColorFields(distinct, lf.obj[n]->lt);
        lf.cur = 1;
    }
    LeFile lf = test::MakeVariedDocument(3);
};

TEST_F(ColorShiftTest, CollectsTheBackgroundThenFiveColoursPerObject) {
    const struct {
        bool current_only, background;
        int cur;
        std::size_t size;
    } cases[] = {
        {false, true, 1, 1 + 5 * 3}, {false, false, 1, 5 * 3}, {true, false, 1, 5},
        {true, true, 1, 1 + 5},      {true, true, -1, 1},  // reported: no current object
    };
    for (const auto& c : cases) {
        lf.cur = c.cur;
        ColorShift shift;
        shift.Collect(lf, c.current_only, c.background);
        EXPECT_EQ(shift.size(), c.size) << c.current_only << c.background << c.cur;
        const std::vector<std::string> none, no_current{"cur!=-1"};
        EXPECT_EQ(rec.FailedExpressions(), c.cur < 0 ? no_current : none);
        rec.reports.clear();
    }
    LeFile empty;
    ColorShift shift;
    shift.Collect(empty, true, true);
    EXPECT_EQ(shift.size(), 1u);  // the background; an empty logo has no current object to miss
}

// Only what was collected moves, each colour from where it started: the
// current object alone leaves the others and the background; sliders back in
// the middle restore every colour exactly, even from saturation 0.
TEST_F(ColorShiftTest, ApplyMovesWhatWasCollectedAndTheMiddleRestoresIt) {
    const LeFile before = lf;
    for (const bool everything : {false, true}) {
        ColorShift shift;
        shift.Collect(lf, !everything, everything);
        shift.Apply(0.93f, 0.0f, 0.77f);
        for (int n = 0; n < lf.objs; ++n)
            EXPECT_EQ(lf.obj[n]->lt.color.s == 0, everything || n == lf.cur) << n;
        EXPECT_EQ(lf.bgc.s == 0, everything);
        shift.Apply(0.5f, 0.5f, 0.5f);
        std::string why;
        EXPECT_TRUE(test::SameStoredDocument(lf, before, &why)) << everything << ": " << why;
    }
}

}  // namespace
}  // namespace vx
