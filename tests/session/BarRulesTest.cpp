// The property bars' rules without their windows: the sliders' scales, what
// each check box enables, the image and logo bars' fields, the shape pages and
// the colour bar's linked views.

#include <gtest/gtest.h>

#include "session/BarRules.h"
#include "session/ColorPicker.h"
#include "session/ShapePaging.h"
#include "session/SliderScale.h"
#include "support/Documents.h"
#include "support/Recorders.h"

namespace vx {
namespace {

struct TextCase {
    float value;
    SliderMode mode;
    int min, max;
    const char* text;
};

// Integer display truncates (7.5 shows 7); the aspect display gives the ratio
// with one truncated decimal.
TEST(SliderScale, BuddyTextTruncates) {
    const TextCase cases[] = {
        {0.5f, SliderMode::INTEGER, -5, 20, "7"},
        {0.0f, SliderMode::INTEGER, -5, 20, "-5"},
        {1.0f, SliderMode::INTEGER, 10, 100, "100"},
        {181.0f / 360, SliderMode::INTEGER, 0, 360, "181"},
        {0.25f, SliderMode::ASPECT, 0, 0, "0.7"},
        {1.0f, SliderMode::ASPECT, 0, 0, "2.0"},
        {0.0f, SliderMode::ASPECT, 0, 0, "0.5"},
        {0.65f, SliderMode::ASPECT, 0, 0, "1.3"},
    };
    for (const TextCase& c : cases)
        EXPECT_EQ(SliderText(c.value, c.mode, c.min, c.max), c.text) << c.value;
}

TEST(SliderScale, AspectKeepsOneTruncatedDecimalAndEveryStepSurvivesARoundTrip) {
    EXPECT_FLOAT_EQ(AspectOfFraction(AspectFraction(1.35f)), 1.3f);
    for (int tenths = 5; tenths <= 20; ++tenths) {
        const float a = static_cast<float>(tenths) * 0.1f;
        EXPECT_FLOAT_EQ(AspectOfFraction(AspectFraction(a)), a) << tenths;
    }
}

// A spin beyond the slider's range holds the slider at its end; drags hold 0..1.
TEST(SliderScale, SpinsAndDragsStayInsideTheTrack) {
    EXPECT_FLOAT_EQ(SpinFraction(100, 1, 10, 100), 1.0f);
    EXPECT_FLOAT_EQ(SpinFraction(180, 1, 0, 360), 181.0f / 360);
    EXPECT_FLOAT_EQ(SpinFraction(4, -1, 10, 100), 0.0f);
    EXPECT_FLOAT_EQ(SliderDragFraction(-50, 110), 0.0f);
    EXPECT_FLOAT_EQ(SliderDragFraction(500, 110), 1.0f);
    EXPECT_FLOAT_EQ(SliderDragFraction(55, 110), 0.5f);
    EXPECT_EQ(SliderThumbX(1.0f, 111), 105);
}

TEST(BarRules, EnablingFollowsTheCheckBoxes) {
    const EffectsEnabling none = EffectsEnablingOf(false, false);
    EXPECT_FALSE(none.outline || none.shadow || none.strength);
    const EffectsEnabling shadow = EffectsEnablingOf(false, true);
    EXPECT_TRUE(shadow.shadow && shadow.strength && !shadow.outline);
    // Bending needs the transform, whatever "Bend Object:" holds.
    const TransformEnabling off = TransformEnablingOf(false, true);
    EXPECT_FALSE(off.rotation || off.bend_check || off.bend);
    const TransformEnabling on = TransformEnablingOf(true, true);
    EXPECT_TRUE(on.rotation && on.bend_check && on.bend);
    EXPECT_FALSE(TransformEnablingOf(true, false).bend);
}

TEST(BarRules, ImageObjectBarConstrainsAndSwitchesTheTransformWithTheAngle) {
    LogoParams lt;
    lt.width = 80;
    lt.size = 40;
    EXPECT_FALSE(ImoptConstrained(lt));
    ApplyImopt(lt, {true, 80, 40, 0.0f});
    EXPECT_EQ(lt.size, 80);
    EXPECT_EQ(lt.has_transform, 0);
    ApplyImopt(lt, {false, 90, 30, 0.25f});
    EXPECT_EQ(lt.width, 90);
    EXPECT_EQ(lt.size, 30);
    EXPECT_EQ(lt.has_transform, 1);
    EXPECT_FLOAT_EQ(lt.angle, 0.25f);
}

TEST(BarRules, CanvasSidesStayIn5To3000AndFixingTakesTheShownCanvas) {
    EXPECT_EQ(ClampCanvasSide(4000), 3000);
    EXPECT_EQ(ClampCanvasSide(2), 5);
    EXPECT_EQ(ClampCanvasSide(640), 640);
    LeFile lf;
    LeFile::ob.dw = 250;
    LeFile::ob.dh = 170;
    SetFixedCanvas(lf, true);
    EXPECT_EQ(lf.fixed_canvas, 1);
    EXPECT_EQ(lf.canvas_w, 250);
    EXPECT_EQ(lf.canvas_h, 170);
}

// 2500 shapes at 100 per page: 10 columns, the last partly shown, by 10 full
// rows of a 390 x 415 list.
TEST(ShapePaging, WholePagesOnlyWithLabelsAndTabs) {
    const ShapePages p = PageShapes(390, 415, 2500, 1050);
    EXPECT_EQ(p.itmpp, 100);
    EXPECT_EQ(p.pages, 25);
    EXPECT_EQ(p.page, 10);
    EXPECT_EQ(p.sel, 50);
    EXPECT_EQ(ShapePageLabel(p), "Shapes 1001-1100 of 2500 (Page 11 of 25)");
    EXPECT_EQ(ShapeTabCaption(24, 100), "2401 - 2500");
    // Beyond the last whole page: the last page, nothing selected.
    const ShapePages last = PageShapes(390, 415, 2550, 2520);
    EXPECT_EQ(last.page, 24);
    EXPECT_EQ(last.sel, -1);
    EXPECT_EQ(PageShapes(50, 400, 2500, 0).itmpp, 0);
}

class ColorPickerTest : public test::RecordingTest {
protected:
    LeFile lf = test::MakeVariedDocument(2);
};

TEST_F(ColorPickerTest, EditMenuColoursInMenuOrder) {
    const std::vector<ColorVar> vars = EditColorVars(lf);
    LogoParams& lt = lf.obj[lf.cur]->lt;
    const HslF* order[] = {&lt.color,         &lt.grad_color1,  &lt.grad_color2,
                           &lt.outline_color, &lt.shadow_color, &lf.bgc};
    ASSERT_EQ(vars.size(), 6u);
    for (std::size_t i = 0; i < vars.size(); ++i) EXPECT_EQ(vars[i].color, order[i]) << i;
    EXPECT_EQ(vars[2].desc, "Gradient Color #2");
}

// The conversion is the renderer's; the bar writes its result into the chosen
// variable and shows its hue on the 0..239 strip. (255, 0, 128): red largest,
// blue above green, so the hue wraps to about 219.9.
TEST_F(ColorPickerTest, RgbEditsWriteTheirHslIntoTheVariable) {
    ColorPicker p(EditColorVars(lf), 3);
    EXPECT_TRUE(p.SetRgb({255, 0, 128}));
    EXPECT_FALSE(p.SetRgb({255, 0, 128}));
    EXPECT_NEAR(lf.obj[lf.cur]->lt.outline_color.h, 219.9f, 0.05f);
    EXPECT_NEAR(p.HueFraction(), 219.9f / 239, 1e-3);
}

TEST_F(ColorPickerTest, ViewsWriteTheirComponentsAndReloadTheRgb) {
    ColorPicker p(EditColorVars(lf), 0);
    p.SetHue(0.0f);
    p.SetField(1.0f, 0.5f);
    EXPECT_EQ(p.rgb(), (Rgb{255, 0, 0}));
    p.SetColor(PaletteColor(16, 0));
    EXPECT_EQ(p.rgb(), (Rgb{255, 255, 255}));
    p.Select(5);
    EXPECT_EQ(&p.color(), &lf.bgc);
    // The default gradient colour #2 (255, 255, 255) shows as white.
    EXPECT_EQ(RgbOf({255, 255, 255}), (Rgb{255, 255, 255}));
}

TEST(ColorPicker, ChannelsTakeDigitsAndClipAt255) {
    const std::pair<const char*, Channel> cases[] = {
        {"300", {255, true}}, {"255", {255, false}},        {"", {0, false}},
        {"1a2", {12, false}}, {"99999999999", {255, true}},
    };
    for (const auto& [text, ch] : cases) {
        const Channel got = ParseChannel(text);
        EXPECT_EQ(got.value, ch.value) << text;
        EXPECT_EQ(got.clipped, ch.clipped) << text;
    }
}

// Row 0 greys black to white; hue rows from 60 in steps of 20, wrapping at 240.
TEST(ColorPicker, PaletteRows) {
    EXPECT_FLOAT_EQ(PaletteColor(16, 0).l, 240.0f);
    EXPECT_FLOAT_EQ(PaletteColor(0, 1).h, 60.0f);
    EXPECT_FLOAT_EQ(PaletteColor(0, 10).h, 0.0f);
    EXPECT_FLOAT_EQ(PaletteColor(0, 12).h, 40.0f);
    EXPECT_FLOAT_EQ(PaletteColor(16, 5).l, 220.0f);
}

}  // namespace
}  // namespace vx
