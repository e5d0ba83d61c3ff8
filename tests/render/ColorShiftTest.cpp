#include <gtest/gtest.h>

#include <cstring>

#include "document/ParamFields.h"
#include "render/ColorShift.h"
#include "support/Documents.h"
#include "support/Recorders.h"

namespace vx {
namespace {

struct ShiftCase {
    HslF start;
    float h, s, l;
    HslF expected;
};

// +100 adds 120 (200 wraps to 81), -100 takes 120 (50 wraps to 169), +50
// saturation scales by 1.5 and clamps, -100 saturation greys, lightness scales;
// a channel in the middle keeps even an out-of-range stored value.
TEST(ShiftColor, WrapsHueBy239AndScalesAndClampsSaturationAndLightness) {
    const ShiftCase cases[] = {
        {{200, 100, 100}, 1.0f, 0.5f, 0.5f, {81, 100, 100}},
        {{50, 100, 100}, 0.0f, 0.5f, 0.5f, {169, 100, 100}},
        {{10, 200, 100}, 0.5f, 0.75f, 0.5f, {10, 240, 100}},
        {{10, 200, 100}, 0.5f, 0.0f, 0.5f, {10, 0, 100}},
        {{10, 200, 100}, 0.5f, 0.5f, 1.0f, {10, 200, 200}},
        {{10, 200, 180}, 0.5f, 0.5f, 1.0f, {10, 200, 240}},
        {{255, 255, 255}, 0.5f, 0.5f, 0.5f, {255, 255, 255}},
        {{255, 255, 255}, 0.5f, 0.6f, 0.5f, {255, 240, 255}},
    };
    for (const ShiftCase& c : cases) {
        const HslF got = ShiftColor(c.start, c.h, c.s, c.l);
        EXPECT_NEAR(got.h, c.expected.h, 1e-3) << c.start.h;
        EXPECT_NEAR(got.s, c.expected.s, 1e-3) << c.start.s;
        EXPECT_NEAR(got.l, c.expected.l, 1e-3) << c.start.l;
    }
}

// Three objects whose colours are all different and inside the HSL ranges.
LeFile ColourfulDocument() {
    LeFile lf = test::MakeVariedDocument(3);
    float k = 1;
    for (int n = 0; n < lf.objs; ++n)
        VisitColorFields(
            [&k](const char*, HslF& c) {
                c = {k * 13, k * 11, k * 7}, ++k;
            },
            lf.obj[n]->lt);
    return lf;
}

class ColorShiftTest : public test::RecordingTest {
protected:
    LeFile lf = ColourfulDocument();
};

TEST_F(ColorShiftTest, CollectsBackgroundThenFiveColoursPerObject) {
    ColorShift shift;
    shift.Collect(lf, false, true);
    EXPECT_EQ(shift.size(), 1u + 5u * 3u);
    shift.Collect(lf, true, false);
    EXPECT_EQ(shift.size(), 5u);
    LeFile empty;
    shift.Collect(empty, true, false);
    EXPECT_EQ(shift.size(), 0u);
    shift.Apply(1.0f, 0.0f, 0.0f);  // nothing to change, nothing fails
}

TEST_F(ColorShiftTest, CurrentOnlyLeavesTheOtherObjectsAndTheBackground) {
    const LeFile before = lf;
    ColorShift shift;
    shift.Collect(lf, true, false);
    shift.Apply(0.5f, 0.0f, 0.5f);
    for (int n = 0; n < lf.objs; ++n) EXPECT_EQ(lf.obj[n]->lt.color.s == 0, n == lf.cur) << n;
    EXPECT_EQ(std::memcmp(&lf.bgc, &before.bgc, sizeof(HslF)), 0);
}

TEST_F(ColorShiftTest, SlidersBackInTheMiddleRestoreEveryColourExactly) {
    const LeFile before = lf;
    ColorShift shift;
    shift.Collect(lf, false, true);
    shift.Apply(0.93f, 0.12f, 0.77f);
    shift.Apply(0.5f, 0.5f, 0.5f);
    std::string why;
    EXPECT_TRUE(test::SameStoredDocument(lf, before, &why)) << why;
}

TEST_F(ColorShiftTest, CurrentOnlyWithoutCurrentObjectIsReported) {
    lf.cur = -1;
    ColorShift shift;
    shift.Collect(lf, true, true);
    EXPECT_EQ(rec.FailedExpressions(), std::vector<std::string>{"cur!=-1"});
    rec.reports.clear();
    EXPECT_EQ(shift.size(), 1u);
}

}  // namespace
}  // namespace vx
