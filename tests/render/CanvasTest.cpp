#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <filesystem>
#include <memory>

#include "TestFonts.h"
#include "document/LeFile.h"
#include "io/PngFile.h"
#include "render/Color.h"
#include "support/Recorders.h"

namespace vx {
namespace {

using test::RecordingTest;

// An opaque black imported bitmap of w x h at (x, y): sized without rendering.
std::unique_ptr<LogoObject> Bitmap(int x, int y, int w, int h) {
    auto o = std::make_unique<LogoObject>();
    o->type = BITMAP_OBJECT;
    o->x = x;
    o->y = y;
    o->w = w;
    o->h = h;
    o->cbm.assign(static_cast<std::size_t>(w * h), 0xFF000000);
    return o;
}

std::uint32_t Pixel(int x, int y) {
    return LeFile::ob.dta[static_cast<std::size_t>(y * LeFile::ob.dw + x)];
}

class Canvas : public RecordingTest {
protected:
    LeFile lf;
};

TEST_F(Canvas, EmptyLogoIsHalfTheSpaceInTheBackground) {
    lf.bgc = {160, 240, 120};
    lf.Update(400, 300, 40, 30);
    EXPECT_EQ(LeFile::ob.dw, 200);
    EXPECT_EQ(LeFile::ob.dh, 150);
    EXPECT_EQ(LeFile::ob.dta, std::vector<std::uint32_t>(200 * 150, 0x0000FF));
    EXPECT_EQ(LeFile::ob.cdta.size(), 40u * 30u);
}

TEST_F(Canvas, SmallLogoSitsHalfwayBetweenItsExtentAndTheSpace) {
    lf.AddObj(Bitmap(0, 0, 100, 40));
    lf.Update(400, 300, -1, -1);
    EXPECT_EQ(LeFile::ob.dw, 250);  // hx = (200 + 50) / 2
    EXPECT_EQ(LeFile::ob.dh, 170);  // hy = (150 + 20) / 2
    EXPECT_EQ(Pixel(75, 65), 0u);   // the object's top-left corner
    EXPECT_EQ(Pixel(74, 65), 0xFFFFFFu);
    EXPECT_EQ(Pixel(174, 104), 0u);
    EXPECT_EQ(Pixel(175, 104), 0xFFFFFFu);
}

TEST_F(Canvas, LogoWiderThanTheSpaceIsCutAtIt) {
    lf.AddObj(Bitmap(150, 0, 100, 40));
    lf.Update(400, 300, -1, -1);
    EXPECT_EQ(LeFile::ob.dw, 400);
    EXPECT_EQ(Pixel(399, 85), 0u);
}

TEST_F(Canvas, FixedCanvasKeepsItsCentreAndIsCutAtTheSpace) {
    lf.fixed_canvas = 1;
    lf.canvas_w = 300;
    lf.canvas_h = 300;
    lf.AddObj(Bitmap(0, 0, 2, 2));
    lf.Update(200, 400, -1, -1);
    EXPECT_EQ(LeFile::ob.dw, 200);
    EXPECT_EQ(LeFile::ob.dh, 300);
    EXPECT_EQ(Pixel(149, 149), 0u);
    EXPECT_EQ(Pixel(150, 150), 0u);
    EXPECT_EQ(Pixel(151, 150), 0xFFFFFFu);
}

TEST_F(Canvas, FixedCanvasOfNoSizeGivesOnePixel) {
    lf.fixed_canvas = 1;
    lf.canvas_w = 0;
    lf.canvas_h = -70;
    lf.AddObj(Bitmap(0, 0, 2, 2));
    lf.Update(200, 400, -1, -1);
    EXPECT_EQ(LeFile::ob.dw, 1);
    EXPECT_EQ(LeFile::ob.dh, 1);
    EXPECT_EQ(LeFile::ob.dta.size(), 1u);
}

TEST_F(Canvas, TooSmallSpaceKeepsThePreviousCanvas) {
    lf.Update(400, 300, -1, -1);
    lf.AddObj(Bitmap(0, 0, 10, 10));
    lf.Update(9, 300, -1, -1);
    EXPECT_EQ(LeFile::ob.dw, 200);
    EXPECT_EQ(LeFile::ob.dh, 150);
}

TEST_F(Canvas, CurrentObjectViewIsACentredObjectOnACheckerboard) {
    lf.AddObj(Bitmap(300, 300, 4, 2));
    lf.Update(400, 300, 32, 24);
    lf.Update(400, 300, -1, -1);  // keeps the view's size
    const ObjectBitmap& ob = LeFile::ob;
    ASSERT_EQ(ob.cdw, 32);
    ASSERT_EQ(ob.cdh, 24);
    EXPECT_EQ(ob.cdta[0], 0xECECF1u);
    EXPECT_EQ(ob.cdta[8], 0xD0D8DAu);
    EXPECT_EQ(ob.cdta[8 * 32], 0xD0D8DAu);
    EXPECT_EQ(ob.cdta[8 * 32 + 8], 0xECECF1u);
    for (int y = 11; y < 13; ++y)
        for (int x = 14; x < 18; ++x) EXPECT_EQ(ob.cdta[y * 32 + x], 0u) << x << "," << y;
    EXPECT_EQ(ob.cdta[11 * 32 + 13], 0xECECF1u);
}

TEST_F(Canvas, LaterObjectsLieInFront) {
    lf.AddObj(Bitmap(0, 0, 10, 10));
    auto red = Bitmap(0, 0, 4, 4);
    std::fill(red->cbm.begin(), red->cbm.end(), 0xFFFF0000);
    lf.AddObj(std::move(red));
    lf.Update(100, 100, -1, -1);
    const int cx = LeFile::ob.dw / 2;
    const int cy = LeFile::ob.dh / 2;
    EXPECT_EQ(Pixel(cx, cy), 0xFF0000u);
    EXPECT_EQ(Pixel(cx - 4, cy), 0u);
}

TEST_F(Canvas, TextObjectsTakeTheSizeOfTheirRendering) {
    auto o = std::make_unique<LogoObject>();
    o->lt.font = test::SANS;
    o->lt.str = "Sized";
    LogoObject* text = o.get();
    lf.AddObj(std::move(o));
    lf.Update(400, 300, -1, -1);
    EXPECT_EQ(text->w, text->ft.szx);
    EXPECT_EQ(text->h, text->ft.szy);
    EXPECT_GT(text->w, 60);
    EXPECT_NE(std::count(LeFile::ob.dta.begin(), LeFile::ob.dta.end(), 0xFFFFFFu),
              static_cast<long>(LeFile::ob.dta.size()));
}

TEST_F(Canvas, MissingObjectsAndBadCurrentIndexAreReportedNotFollowed) {
    lf.AddObj(Bitmap(0, 0, 10, 10));
    lf.objs = 2;  // obj[1] is missing
    lf.cur = 5;
    lf.Update(100, 100, 10, 10);
    EXPECT_EQ(rec.FailedExpressions(), (std::vector<std::string>{"obj[n]!=NULL", "cur<objs"}));
    rec.reports.clear();
    lf.objs = 1;
    lf.cur = 0;
}

TEST_F(Canvas, ExtremePositionsAndSizesDoNotOverflow) {
    lf.AddObj(Bitmap(INT_MAX, INT_MIN, 1, 1));
    lf.AddObj(Bitmap(INT_MIN, INT_MAX, 1, 1));
    lf.obj[1]->w = INT_MAX;  // sizes from a file, with pixels that do not match
    lf.Update(100, 100, -1, -1);
    EXPECT_EQ(LeFile::ob.dw, 100);
    rec.reports.clear();  // the mismatched bitmap is reported
    int w = 0, h = 0;
    lf.CenterObjects(w, h);
    EXPECT_GE(w, 0);
}

TEST_F(Canvas, ImportedBitmapsAreLoadedOnFirstUseWithTheirAlpha) {
    const std::string path =
        (std::filesystem::temp_directory_path() / "vexo-canvas-bitmap.png").string();
    const std::vector<std::uint32_t> px = {0xFFFF0000, 0x00FF0000, 0x8000FF00, 0xFF0000FF};
    ASSERT_TRUE(WritePngFile(path, px.data(), 2, 2, PngChannels::RGBA));
    auto o = std::make_unique<LogoObject>();
    o->type = BITMAP_OBJECT;
    o->file = path;
    LogoObject* bitmap = o.get();
    lf.AddObj(std::move(o));
    lf.Update(100, 100, -1, -1);
    std::filesystem::remove(path);
    EXPECT_EQ(bitmap->w, 2);
    EXPECT_EQ(bitmap->cbm.size(), 4u);
    const int x0 = LeFile::ob.dw / 2 - 1;
    const int y0 = LeFile::ob.dh / 2 - 1;
    EXPECT_EQ(Pixel(x0, y0), 0xFF0000u);
    EXPECT_EQ(Pixel(x0 + 1, y0), 0xFFFFFFu);
    EXPECT_EQ(Pixel(x0, y0 + 1), Blend(0xFFFFFF, 0x00FF00, 0x80));
    EXPECT_EQ(Pixel(x0 + 1, y0 + 1), 0x0000FFu);
}

TEST_F(Canvas, CenterObjectsMovesTheCommonBoxOntoTheCentre) {
    lf.AddObj(Bitmap(-20, 0, 20, 10));  // left -30
    lf.AddObj(Bitmap(80, 10, 20, 10));  // right 90
    int w = 0, h = 0;
    lf.CenterObjects(w, h);
    EXPECT_EQ(lf.obj[0]->x, -50);
    EXPECT_EQ(lf.obj[1]->x, 50);
    EXPECT_EQ(w, 120);
    EXPECT_EQ(h, 20);
    EXPECT_EQ(lf.obj[0]->y, -5);
    EXPECT_EQ(lf.obj[1]->y, 5);
}

TEST_F(Canvas, CenterObjectsOfAnEmptyLogoChangesNothing) {
    int w = 7, h = 9;
    lf.CenterObjects(w, h);
    EXPECT_EQ(w, 7);
    EXPECT_EQ(h, 9);
}

}  // namespace
}  // namespace vx
