#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <filesystem>

#include "codecs/PngDecoder.h"
#include "codecs/PngWriter.h"
#include "document/LeFile.h"
#include "document/ProjectFile.h"
#include "render/Random.h"
#include "shell/ReadFile.h"
#include "support/Recorders.h"
#include "support/TempDir.h"
#include "support/TestFonts.h"

namespace vx {
namespace {

using test::BitmapObject;
constexpr std::uint32_t WHITE = 0xFFFFFF;

std::uint32_t Pixel(int x, int y) {
    return LeFile::ob.dta[static_cast<std::size_t>(y * LeFile::ob.dw + x)];
}

class Canvas : public test::RecordingTest {
protected:
    LeFile lf;
    const test::TempDir tmp;
};

// An empty logo gets half the space in its background colour; the view keeps
// its size until given another; too small a space changes nothing.
TEST_F(Canvas, EmptyLogoIsHalfTheSpaceAndTheViewKeepsItsSize) {
    lf.bgc = {160, 240, 120};
    lf.Update(400, 300, 40, 30);
    EXPECT_EQ(std::tie(LeFile::ob.dw, LeFile::ob.dh), std::tuple(200, 150));
    EXPECT_EQ(LeFile::ob.dta, std::vector<std::uint32_t>(200 * 150, 0x0000FF));
    lf.AddObj(BitmapObject(300, 300, 4, 2));
    lf.Update(400, 300, -1, -1);
    EXPECT_EQ(std::tie(LeFile::ob.cdw, LeFile::ob.cdh), std::tuple(40, 30));
    EXPECT_EQ(LeFile::ob.cdta.size(), 40u * 30u);
    lf.Update(9, 300, 20, 20);
    EXPECT_EQ(std::tie(LeFile::ob.dw, LeFile::ob.dh, LeFile::ob.cdw), std::tuple(400, 300, 40));
}

TEST_F(Canvas, SizeExamples) {
    const struct {
        const char* what;
        int x, w, h;                    // the one object, black, at (x, 0)
        int fixed, canvas_w, canvas_h;  // the fixed canvas settings
        int space_w, space_h, dw, dh;   // the space given and the canvas made
        int left, top;                  // the object's top-left corner on it
    } cases[] = {
        // hx = (200 + 50) / 2, hy = (150 + 20) / 2
        {"halfway between extent and space", 0, 100, 40, 0, 0, 0, 400, 300, 250, 170, 75, 65},
        {"wider than the space: cut at it", 150, 100, 40, 0, 0, 0, 400, 300, 400, 170, 300, 65},
        {"fixed: centre kept, cut at space", 0, 2, 2, 1, 300, 300, 200, 400, 200, 300, 149, 149},
        {"fixed canvas of no size: one pixel", 0, 2, 2, 1, 0, -70, 200, 400, 1, 1, -1, -1},
    };
    for (const auto& c : cases) {
        LeFile doc;
        doc.AddObj(BitmapObject(c.x, 0, c.w, c.h));
        doc.fixed_canvas = c.fixed;
        doc.canvas_w = c.canvas_w;
        doc.canvas_h = c.canvas_h;
        doc.Update(c.space_w, c.space_h, -1, -1);
        ASSERT_EQ(LeFile::ob.dw, c.dw) << c.what;
        ASSERT_EQ(LeFile::ob.dh, c.dh) << c.what;
        ASSERT_EQ(LeFile::ob.dta.size(), static_cast<std::size_t>(c.dw) * c.dh) << c.what;
        if (c.left < 0) continue;
        const int right = std::min(c.left + c.w, c.dw) - 1, bottom = c.top + c.h - 1;
        EXPECT_EQ(Pixel(c.left, c.top), 0u) << c.what;
        EXPECT_EQ(Pixel(c.left - 1, c.top), 0xFFFFFFu) << c.what;
        EXPECT_EQ(Pixel(right, bottom), 0u) << c.what;
        EXPECT_TRUE(right + 1 == c.dw || Pixel(right + 1, bottom) == 0xFFFFFF) << c.what;
    }
}

// Document data from a file that does not hold together: a missing object, a
// current index past the end, extreme positions, and a stated size the pixels
// do not match (refused, not read past).
TEST_F(Canvas, BrokenDocumentDataIsReportedNotFollowedAndDoesNotOverflow) {
    lf.AddObj(BitmapObject(INT_MAX, INT_MIN, 1, 1));
    lf.AddObj(BitmapObject(INT_MIN, INT_MAX, 1, 1));
    lf.obj[1]->w = INT_MAX;
    lf.AddObj(BitmapObject(0, 0, 4, 4));  // on the canvas, with one pixel of 16
    lf.obj[2]->cbm.resize(1);
    lf.objs = 4;  // obj[3] is missing
    lf.cur = 5;
    lf.Update(100, 100, 10, 10);
    EXPECT_EQ(LeFile::ob.dta, std::vector<std::uint32_t>(100 * 100, WHITE));
    const std::string refused = "cbm.size()==w*h";
    EXPECT_EQ(rec.FailedExpressions(),
              (std::vector<std::string>{"obj[n]!=NULL", refused, refused, "cur<objs"}));
    rec.reports.clear();
    int w = 0, h = 0;
    lf.CenterObjects(w, h);
    EXPECT_GE(w, 0);
}

// An imported picture is loaded when first painted and sized by it; one that
// fails to load paints nothing and is read again only once its file changed.
// Alpha 255 replaces, 0 leaves the background, 0x80 blends (1 under 0x80 over
// 255 gives 127.5, truncated); an odd width is centred by truncation.
TEST_F(Canvas, ImportedPicturesAreLoadedOnFirstUseAndAFailedOneOnceItsFileChanged) {
    namespace fs = std::filesystem;
    const std::string good = tmp.Path("good.png");
    const std::vector<std::uint32_t> px = {0xFFFF0000, 0x00FF0000, 0x8001FF01};
    ASSERT_TRUE(WritePngFile(good, px.data(), 3, 1, PngChannels::RGBA));
    const std::string path =
        tmp.Write("bitmap.png", std::vector<std::uint8_t>(fs::file_size(good)));
    lf.AddObj(BitmapObject(0, 0, 4, 4));
    LogoObject& bitmap = *lf.obj[0];
    bitmap.file = path;
    bitmap.cbm.clear();  // not loaded yet
    lf.Update(100, 100, -1, -1);
    ASSERT_TRUE(bitmap.failed_load);
    EXPECT_EQ(LeFile::ob.dta, std::vector<std::uint32_t>(LeFile::ob.dta.size(), WHITE));
    // A readable picture of the same size under the old time stamp is not looked at.
    const fs::file_time_type stamp = fs::last_write_time(path);
    fs::copy_file(good, path, fs::copy_options::overwrite_existing);
    fs::last_write_time(path, stamp);
    lf.Update(100, 100, -1, -1);
    EXPECT_TRUE(bitmap.cbm.empty());
    fs::last_write_time(path, stamp + std::chrono::seconds(1));
    lf.Update(100, 100, -1, -1);
    EXPECT_FALSE(bitmap.failed_load);
    EXPECT_EQ(std::tie(bitmap.w, bitmap.h), std::tuple(3, 1));
    const int x = LeFile::ob.dw / 2 - 1, y = LeFile::ob.dh / 2;
    EXPECT_EQ((std::vector{Pixel(x - 1, y), Pixel(x, y), Pixel(x + 1, y), Pixel(x + 2, y),
                           Pixel(x + 3, y)}),
              (std::vector<std::uint32_t>{WHITE, 0xFF0000, WHITE, 0x7FFF7F, WHITE}));
}

TEST_F(Canvas, CenterObjectsMovesTheCommonBoxOntoTheCentre) {
    int w = 7, h = 9;
    lf.CenterObjects(w, h);  // an empty logo: nothing changes
    EXPECT_EQ(std::tie(w, h), std::tuple(7, 9));
    lf.AddObj(BitmapObject(-20, 0, 20, 10));  // left -30
    lf.AddObj(BitmapObject(80, 10, 20, 10));  // right 90
    lf.CenterObjects(w, h);
    EXPECT_EQ(std::tie(w, h), std::tuple(120, 20));
    EXPECT_EQ(std::tie(lf.obj[0]->x, lf.obj[0]->y, lf.obj[1]->x, lf.obj[1]->y),
              std::tuple(-50, -5, 50, 5));
}

// Whole logos rendered with a fixed seed and compared with stored pictures,
// pixel for pixel. The logos are project files in tests/data/render (see the
// README there), the pictures live in tests/render/golden. To regenerate the
// pictures on purpose (after an intended change of the rendering), run the
// tests with VX_UPDATE_GOLDEN=1 and look at every changed picture before
// committing it.

// Compares, or with VX_UPDATE_GOLDEN set stores, one picture.
void CheckPicture(const std::string& name, const std::vector<std::uint32_t>& px, int w, int h) {
    const std::string path = std::string(VX_GOLDEN_DIR) + "/" + name + ".png";
    if (std::getenv("VX_UPDATE_GOLDEN")) {
        ASSERT_TRUE(WritePngFile(path, px.data(), w, h, PngChannels::RGB));
        return;
    }
    std::vector<std::uint8_t> bytes;
    PngImage golden;
    ASSERT_TRUE(ReadWholeFile(path, 1 << 20, bytes) && DecodePng(bytes, golden)) << path;
    ASSERT_EQ(std::tie(golden.w, golden.h), std::tie(w, h)) << name;
    for (std::size_t i = 0; i < px.size(); ++i) {
        const std::uint32_t want = golden.pixels[i] & 0xFFFFFF;
        ASSERT_EQ(px[i], want) << name << ": first difference at (" << i % w << ", " << i / w
                               << "): rendered 0x" << std::hex << px[i] << ", golden 0x" << want;
    }
}

class GoldenImages : public test::RecordingTest,
                     public ::testing::WithParamInterface<const char*> {};

// The logo and, for the one with a current object, the view of that object.
TEST_P(GoldenImages, RenderExactly) {
    const std::string name = GetParam();
    LeFile lf;
    ASSERT_EQ(ReadProjectFile(std::string(VX_DATA_DIR) + "/" + name + ".zeb", lf).status,
              ProjectStatus::OK);
    for (int n = 0; n < lf.objs; ++n)  // pictures are stored by name, beside the logo
        if (lf.obj[n]->type == BITMAP_OBJECT) lf.obj[n]->file = VX_DATA_DIR "/" + lf.obj[n]->file;
    EngineRandom().Seed(20240607);
    lf.Update(320, 200, 96, 64);
    const ObjectBitmap& ob = LeFile::ob;
    CheckPicture(name, ob.dta, ob.dw, ob.dh);
    if (name == "overlapping") CheckPicture(name + "_current", ob.cdta, ob.cdw, ob.cdh);
}

INSTANTIATE_TEST_SUITE_P(Logos, GoldenImages,
                         ::testing::Values("text_straight", "text_rotated", "text_bent_outside",
                                           "text_bent_inside", "outline_shadow", "gradient",
                                           "shapes", "bitmap_alpha", "overlapping",
                                           "text_extremes"),
                         [](const auto& p) { return std::string(p.param); });

}  // namespace
}  // namespace vx
