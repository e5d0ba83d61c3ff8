// The size rule of the export: opening (fixed canvas, centring, the picture
// lock, the empty logo) and the output size with its clamps.

#include <gtest/gtest.h>

#include "export/ExportSize.h"
#include "support/ExportPictures.h"

namespace vx {
namespace {

using test::BitmapObject;

TEST(ExportSize, OutputIsTheScaledLogoPlusMarginsWithTheClamps) {
    const ExportLogo logo{200, 80, true}, picture{200, 80, false}, empty{0, 0, true};
    const struct {
        const char* what;
        const ExportLogo& logo;
        int percent, margin;
        long long w, h;
    } cases[] = {
        {"150 %, margins of 10", logo, 150, 10, 320, 140},
        {"100 %, no margins", logo, 100, 0, 200, 80},
        {"integer division truncates", logo, 33, 0, 66, 26},
        {"0 % computes as 1 %", logo, 0, 0, 2, 0},
        {"so does a negative scale", logo, -50, 0, 2, 0},
        {"margins of 500 compute as 100", logo, 100, 500, 400, 280},
        {"negative margins compute as 0", logo, 100, -3, 200, 80},
        {"at most 10000 %", logo, 99999, 0, 20000, 8000},
        {"a logo with a picture stays at 100 %", picture, 400, 10, 220, 100},
        {"an empty logo has no size, nor margins", empty, 100, 10, 0, 0},
    };
    for (const auto& c : cases) {
        const ExportSize size = OutputSize(c.logo, c.percent, c.margin);
        EXPECT_EQ(size.w, c.w) << c.what;
        EXPECT_EQ(size.h, c.h) << c.what;
    }
    EXPECT_EQ(ClampExportQuality(0), 1);
    EXPECT_EQ(ClampExportQuality(250), 100);
}

TEST(ExportSize, LimitsAreSixteenThousandPixelsASideAndSixtyFourMegapixels) {
    EXPECT_TRUE(ExportSizeAllowed({16384, 4096}));
    EXPECT_FALSE(ExportSizeAllowed({16385, 10}));
    EXPECT_FALSE(ExportSizeAllowed({10, 16385}));
    EXPECT_FALSE(ExportSizeAllowed({16384, 4097}));
    EXPECT_FALSE(ExportSizeAllowed({0, 10}));
    const std::string text = ExportTooLargeText({70000, 20000});
    EXPECT_NE(text.find("70000 x 20000 pixels"), std::string::npos) << text;
    EXPECT_NE(text.find("16384 pixels a side"), std::string::npos) << text;
}

using ExportOpening = test::ExportTest;

// The objects' common box, centred (the move stays with the document), or a
// fixed canvas, which moves nothing.
TEST_F(ExportOpening, TakesTheCentredCommonBoxOrTheFixedCanvas) {
    lf.AddObj(BitmapObject(-30, 10, 40, 20));  // box -50..-10 x 0..20
    lf.AddObj(BitmapObject(70, 0, 40, 60));    // box  50..90 x -30..30
    ExportLogo logo = OpenExport(lf);
    EXPECT_EQ(std::pair(logo.w, logo.h), std::pair(140, 60));
    EXPECT_EQ(std::pair(lf.obj[0]->x, lf.obj[1]->x), std::pair(-50, 50));  // 20 to the left
    EXPECT_EQ(std::pair(lf.obj[0]->y, lf.obj[1]->y), std::pair(10, 0));
    lf.obj[0]->x = -35;  // off-centre again
    lf.fixed_canvas = 1;
    lf.canvas_w = 400;
    lf.canvas_h = 300;
    logo = OpenExport(lf);
    EXPECT_EQ(std::pair(logo.w, logo.h), std::pair(400, 300));
    EXPECT_EQ(std::pair(lf.obj[0]->x, lf.obj[1]->x), std::pair(-35, 50));
}

TEST_F(ExportOpening, RendersTextSoItsSizeIsCurrent) {
    lf.AddObj(test::TextObject("Measured", test::SANS, 40, 0, 0));
    lf.obj[0]->w = lf.obj[0]->h = 1;  // as read from a file
    const ExportLogo logo = OpenExport(lf);
    EXPECT_GT(logo.w, 100);
    EXPECT_EQ(std::pair(logo.w, logo.h), std::pair(lf.obj[0]->w, lf.obj[0]->h));
}

TEST_F(ExportOpening, AnEmptyLogoHasNoSizeUnlessTheCanvasIsFixed) {
    EXPECT_FALSE(OpenExport(lf).CanSave());
    lf.fixed_canvas = 1;
    lf.canvas_w = 64;
    lf.canvas_h = 48;
    EXPECT_TRUE(OpenExport(lf).CanSave());
    // A fixed canvas read from a file may hold no pixels: then it has no size.
    lf.canvas_w = 0;
    const ExportLogo logo = OpenExport(lf);
    EXPECT_FALSE(logo.CanSave());
    EXPECT_EQ(std::pair(logo.w, logo.h), std::pair(0, 0));
}

}  // namespace
}  // namespace vx
