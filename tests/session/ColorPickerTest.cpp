#include <gtest/gtest.h>

#include "session/ColorPicker.h"
#include "support/Documents.h"
#include "support/Recorders.h"

namespace vx {
namespace {

class ColorPickerTest : public test::RecordingTest {
protected:
    LeFile lf = test::MakeVariedDocument(2);
};

TEST_F(ColorPickerTest, EditMenuColoursInMenuOrder) {
    const std::vector<ColorVar> vars = EditColorVars(lf);
    ASSERT_EQ(vars.size(), 6u);
    LogoParams& lt = lf.obj[lf.cur]->lt;
    EXPECT_EQ(vars[0].color, &lt.color);
    EXPECT_EQ(vars[2].desc, "Gradient Color #2");
    EXPECT_EQ(vars[4].color, &lt.shadow_color);
    EXPECT_EQ(vars[5].color, &lf.bgc);
}

// (255, 0, 128): red largest, blue above green, so the hue wraps to about
// 219.9; greys take hue 160.
TEST_F(ColorPickerTest, RgbEditsWriteTheirHslIntoTheVariable) {
    ColorPicker p(EditColorVars(lf), 3);
    EXPECT_TRUE(p.SetRgb({255, 0, 128}));
    EXPECT_NEAR(lf.obj[lf.cur]->lt.outline_color.h, 219.9f, 0.05f);
    EXPECT_FALSE(p.SetRgb({255, 0, 128}));
    EXPECT_TRUE(p.SetRgb({90, 90, 90}));
    EXPECT_FLOAT_EQ(p.color().h, 160.0f);
    EXPECT_FLOAT_EQ(p.color().s, 0.0f);
    EXPECT_NEAR(p.HueFraction(), 160.0f / 239, 1e-5);
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
