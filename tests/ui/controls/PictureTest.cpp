// The pictures: the engine buffer bridge, the decorative strip and label, and
// the caption art.

#include <cstdint>
#include <vector>

#include "ControlFixture.h"
#include "render/Color.h"
#include "ui/controls/EngineImage.h"
#include "ui/controls/LeEdit.h"
#include "ui/controls/LeStatic.h"
#include "ui/controls/ZebLogo.h"

namespace vx {
namespace {

class PictureTest : public test::ControlTest {};

// An odd width: rows are packed, no padding. That an opaque view shows such an
// image pixel for pixel is the output window's test.
TEST_F(PictureTest, TheBridgeIsTheEngineBufferWithoutCopyingPixelForPixel) {
    const int w = 37, h = 23;
    std::vector<std::uint32_t> px(static_cast<std::size_t>(w) * h);
    for (std::size_t i = 0; i < px.size(); ++i)
        px[i] = static_cast<std::uint32_t>(i * 2654435761u) & 0x00FFFFFFu;
    const QImage over = EngineImage(px, w, h);
    EXPECT_EQ(over.constBits(), reinterpret_cast<const uchar*>(px.data()));
    ASSERT_EQ(over.format(), QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            ASSERT_EQ(over.pixel(x, y), 0xFF000000u | px[static_cast<std::size_t>(y) * w + x])
                << "first differing pixel at " << x << "," << y;
}

TEST_F(PictureTest, TheBridgeRefusesABufferSmallerThanTheImage) {
    std::vector<std::uint32_t> px(10);
    EXPECT_TRUE(EngineImage(px, 4, 3).isNull());
    EXPECT_TRUE(EngineImage(px.data(), px.size(), -2, 5).isNull());
    EXPECT_TRUE(EngineImage(nullptr, 0, 1, 1).isNull());
    EXPECT_FALSE(EngineImage(px, 5, 2).isNull());
}

TEST_F(PictureTest, TheStripFadesRowByRowFromSteelBlueTowardsThePanelGrey) {
    LeEdit strip(&host);
    Place(strip, QRect(7, 10, 201, 6));
    const QImage shot = Grab(strip);
    const std::uint32_t rows[] = {PackRgb(134, 180, 202), PackRgb(151, 189, 208),
                                  PackRgb(168, 198, 215), PackRgb(185, 208, 221),
                                  PackRgb(202, 217, 228), PackRgb(219, 226, 234)};
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 201; x += 50) EXPECT_EQ(shot.pixel(x, y) & 0xFFFFFFu, rows[y]) << y;
}

TEST_F(PictureTest, ALabelRendersANewTextInTheSameStyle) {
    LeStatic label("Objects Library: page #1 of 5", &host);
    Place(label, QRect(2, 10, 213, 17));
    const QImage first = Grab(label);
    label.SetText("Objects Library: page #2 of 5");
    const QImage second = Grab(label);
    // Only the page number differs: the text before it is drawn alike, within
    // the gradient's dither, which runs differently over a different text.
    EXPECT_GT(MaxDifference(second.copy(120, 0, 93, 17), first.copy(120, 0, 93, 17)), 60);
    EXPECT_LE(MaxDifference(second.copy(0, 0, 100, 17), first.copy(0, 0, 100, 17)), 8);
    label.SetText("Objects Library: page #1 of 5");
    EXPECT_EQ(Grab(label), first);
}

TEST_F(PictureTest, TheCaptionArtIsAGrainedGradientWithWhiteTextAtTheRight) {
    ZebLogo logo(&host);
    Place(logo, QRect(0, 10, 300, 30));
    const QImage shot = Grab(logo);
    for (int y = 0; y < 30; ++y) {
        const QColor left = shot.pixelColor(0, y);
        EXPECT_GE(left.red(), 236);
        EXPECT_LE(left.red(), 241);
        EXPECT_EQ(left.green(), left.red()) << "the grain lifts every channel alike";
    }
    // Clearly brighter than the grained gradient under it: the white text,
    // which fades towards the bottom.
    int text_right = 0, text_left = 0;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 300; ++x)
            if (qRed(shot.pixel(x, y)) > 236 - 102 * x / 300 + 5 + 20)
                ++(x < 150 ? text_left : text_right);
    EXPECT_GT(text_right, 150);
    EXPECT_EQ(text_left, 0);
}

}  // namespace
}  // namespace vx
