// Drawing the exported picture: 100 % is the on-screen canvas, larger scales
// look like it only sharper, margins are background, transparency is exact
// where the logo is opaque, and oversized exports are refused up front.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "codecs/Image.h"
#include "render/Color.h"
#include "render/Random.h"
#include "support/ExportPictures.h"

namespace vx {
namespace {

using test::Channel;
using test::DrawExport;
using test::ExportAt;
using test::PixelAt;

using ExportDraw = test::ExportTest;

// At 100 % the export is the on-screen canvas: all of a fixed canvas, or the
// logo's box cut from the canvas.
TEST_F(ExportDraw, OneHundredPercentIsTheOnScreenCanvas) {
    test::TypicalLogo(lf);
    lf.obj[1]->x = 13;  // an off-centre box
    lf.canvas_w = 700;
    lf.canvas_h = 260;
    for (const int fixed : {1, 0}) {
        lf.fixed_canvas = fixed;
        const ExportLogo logo = OpenExport(lf);
        const ExportImage img = DrawExport(lf, logo, ExportAt(100), 11);
        EngineRandom().Seed(11);
        lf.Update(2000, 2000, -1, -1);
        const ObjectBitmap& ob = LeFile::ob;
        int left = fixed ? 0 : 10000, top = fixed ? 0 : 10000;
        for (int n = 0; n < lf.objs && !fixed; ++n) {
            left = std::min(left, lf.obj[n]->x - lf.obj[n]->w / 2 + ob.dw / 2);
            top = std::min(top, lf.obj[n]->y - lf.obj[n]->h / 2 + ob.dh / 2);
        }
        ASSERT_EQ(img.w, fixed ? ob.dw : logo.w);
        ASSERT_EQ(img.h, fixed ? ob.dh : logo.h);
        EXPECT_TRUE(test::IsPartOf(img, ob.dta, ob.dw, left, top)) << "fixed " << fixed;
    }
}

// `big` reduced by `factor` (the rounded mean of each block) against `small`:
// the mean absolute difference per channel (0..255) and the PSNR (dB).
std::pair<double, double> ReducedError(const ExportImage& big, const ExportImage& small,
                                       int factor) {
    const int area = factor * factor;
    double sum = 0, squares = 0;
    for (int y = 0; y < small.h; ++y)
        for (int x = 0; x < small.w; ++x)
            for (int s = 0; s <= 16; s += 8) {
                int total = 0;
                for (int j = 0; j < factor; ++j)
                    for (int i = 0; i < factor; ++i)
                        total += Channel(PixelAt(big, x * factor + i, y * factor + j), s);
                const int d =
                    std::abs((total + area / 2) / area - Channel(PixelAt(small, x, y), s));
                sum += d;
                squares += static_cast<double>(d) * d;
            }
    const double n = 3.0 * small.w * small.h;
    return {sum / n, 20.0 * std::log10(255.0 / std::sqrt(std::max(squares / n, 1e-12)))};
}

// The scaled export reduced to 100 % against the 100 % export. Glyphs are
// rasterized at the larger size and effects scaled with it, so the two differ
// only along edges, by sub-pixel placement and the hinting of the small size.
// (Unscaled shadow distances or blur spreads give 8 to 14 levels here.)
TEST_F(ExportDraw, ScaledExportsReducedMatchTheOneHundredPercentExport) {
    // Strong effects without a gradient (whose random dither would dominate),
    // and the typical logo.
    const struct {
        const char* logo;
        double max_mae, min_psnr;
    } cases[] = {{"effects", 3.5, 26.0}, {"typical", 3.0, 26.0}};
    for (const auto& c : cases) {
        LeFile doc;
        test::LoadLogo(c.logo, doc);
        const ExportLogo logo = OpenExport(doc);
        const ExportImage base = DrawExport(doc, logo, ExportAt(100));
        for (const int factor : {2, 3, 4}) {
            SCOPED_TRACE(std::string(c.logo) + " at " + std::to_string(factor * 100) + " %");
            const ExportImage big = DrawExport(doc, logo, ExportAt(100 * factor));
            ASSERT_EQ(big.w, base.w * factor);
            ASSERT_EQ(big.h, base.h * factor);
            const auto [mae, psnr] = ReducedError(big, base, factor);
            EXPECT_LT(mae, c.max_mae);
            EXPECT_GT(psnr, c.min_psnr);
        }
    }
}

TEST_F(ExportDraw, MarginsAreBackground) {
    test::TypicalLogo(lf);
    lf.bgc = {0, 240, 180};
    for (int n = 0; n < lf.objs; ++n) lf.obj[n]->lt.shadow_distance = 40;  // far out
    const ExportLogo logo = OpenExport(lf);
    const ExportImage plain = DrawExport(lf, logo, ExportAt(200));
    const ExportImage framed = DrawExport(lf, logo, ExportAt(200, 12));
    ASSERT_EQ(framed.w, plain.w + 24);
    ASSERT_EQ(framed.h, plain.h + 24);
    EXPECT_TRUE(test::IsPartOf(plain, framed.px, framed.w, 12, 12));
    const test::PixelBox drawn = test::InkBox(framed.px, framed.w, 0xFFFFFF, HslToRgb(lf.bgc));
    EXPECT_TRUE(drawn.left >= 12 && drawn.top >= 12 && drawn.right <= framed.w - 12 &&
                drawn.bottom <= framed.h - 12)
        << "drawn from " << drawn.left << "," << drawn.top << " to " << drawn.right << ","
        << drawn.bottom;
}

// Over any background, the transparent picture shows what an opaque export on
// that background shows. For black text the two match exactly: alpha is the
// glyph's coverage, and the colour black wherever it shows.
TEST_F(ExportDraw, TransparentPicturesCompositeBackToTheOpaqueExport) {
    LeFile text;
    text.AddObj(test::TextObject("Alpha", test::SANS_BOLD, 40, 0, 0));  // black, no effects
    test::TypicalLogo(lf);
    lf.obj[0]->lt.strength = 8;  // a wide soft shadow
    const struct {
        const char* name;
        LeFile& logo;
        std::vector<HslF> backgrounds;
        int tolerance;
    } cases[] = {{"black text", text, {{0, 0, 240}, {0, 0, 0}}, 0},
                 {"typical logo", lf, {{40, 240, 210}, {160, 200, 40}}, 3}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const ExportLogo logo = OpenExport(c.logo);
        const ExportImage clear = DrawExport(c.logo, logo, ExportAt(200, 6, true));
        const auto solid = std::count(clear.alpha.begin(), clear.alpha.end(), 255);
        const auto clear_pixels = std::count(clear.alpha.begin(), clear.alpha.end(), 0);
        EXPECT_GT(solid, 1000);
        EXPECT_GT(static_cast<long>(clear.alpha.size()) - solid - clear_pixels, 500);  // edges
        EXPECT_EQ(clear.alpha[0], 0);                                                  // margin
        for (const HslF bgc : c.backgrounds) {
            c.logo.bgc = bgc;
            const std::uint32_t bg = HslToRgb(bgc);
            const ExportImage opaque = DrawExport(c.logo, logo, ExportAt(200, 6));
            int worst = 0;
            for (std::size_t i = 0; i < opaque.px.size(); ++i)
                for (int s = 0; s <= 16; s += 8) {
                    const int a = clear.alpha[i];
                    const int shown =
                        (Channel(clear.px[i], s) * a + Channel(bg, s) * (255 - a) + 127) / 255;
                    worst = std::max(worst, std::abs(shown - Channel(opaque.px[i], s)));
                }
            EXPECT_LE(worst, c.tolerance) << std::hex << bg;
        }
    }
}

TEST_F(ExportDraw, OversizedExportsAreRefusedBeforeDrawingAndTheLimitIsDrawnWhole) {
    lf.AddObj(test::TextObject("A rather wide logo line", test::SANS, 60, 0, 0));
    const ExportLogo logo = OpenExport(lf);
    const ExportSize size = OutputSize(logo, 10000, 0);
    ExportImage img;
    const std::string too_large = DrawLogoImage(lf, logo, ExportAt(10000), img).message();
    EXPECT_NE(too_large.find("The image would be " + std::to_string(size.w) + " x " +
                             std::to_string(size.h) + " pixels"),
              std::string::npos)
        << too_large;
    EXPECT_TRUE(img.px.empty());

    // An object far larger than a small fixed canvas is refused by its own size.
    lf.fixed_canvas = 1;
    lf.canvas_w = lf.canvas_h = 100;
    const std::string object_too_large =
        DrawLogoImage(lf, OpenExport(lf), ExportAt(4000), img).message();
    EXPECT_NE(object_too_large.find("At 4000 % an object of the logo would be"), std::string::npos)
        << object_too_large;

    // At the side limit the export is drawn whole, one percent more is refused.
    LeFile edge;
    edge.AddObj(test::TextObject("edge", test::SANS, 20, 2000, 0));
    edge.fixed_canvas = 1;
    edge.canvas_w = 4096;
    edge.canvas_h = 40;
    const ExportLogo edge_logo = OpenExport(edge);
    const ExportImage whole = DrawExport(edge, edge_logo, ExportAt(400));
    ASSERT_EQ(whole.w, 16384);
    ASSERT_EQ(whole.h, 160);
    // The text, centred 2000 pixels right of the centre, is there at 4 times that.
    int dark = 0;
    for (int y = 0; y < whole.h; ++y)
        for (int x = 16000; x < 16384; ++x) dark += PixelAt(whole, x, y) == 0;
    EXPECT_GT(dark, 200);
    EXPECT_NE(DrawLogoImage(edge, edge_logo, ExportAt(401), img).message().find("would be"),
              std::string::npos);
}

TEST_F(ExportDraw, ALogoWithAPictureIsDrawnAtOneHundredPercent) {
    lf.AddObj(test::BitmapObject(0, 0, 2, 1));
    lf.obj[0]->cbm = {0xFFFF0000u, 0x80993300u};  // opaque red, brown at alpha 128
    lf.bgc = {0, 0, 240};
    const ExportImage img = DrawExport(lf, OpenExport(lf), ExportAt(400, 1));
    ASSERT_EQ(img.w, 4);
    ASSERT_EQ(img.h, 3);
    EXPECT_EQ(PixelAt(img, 1, 1), 0xFF0000u);
    EXPECT_EQ(PixelAt(img, 2, 1), 0xCB987Fu);  // over white, truncated: 203.8, 152.6, 127
    EXPECT_EQ(PixelAt(img, 0, 0), 0xFFFFFFu);
}

TEST_F(ExportDraw, AScaledExportDrawsTheGlyphsOfALineCutOnScreen) {
    std::string line;
    while (line.size() < 499) line += "New Text ";
    line.resize(499);
    lf.AddObj(test::TextObject(line, test::SANS, 256, 0, 0));       // cut at 16384 pixels
    lf.AddObj(test::TextObject(".", test::SANS, 100, 10000, 400));  // the logo goes on
    const ExportImage half = DrawExport(lf, OpenExport(lf), ExportAt(50));
    const ObjectBox all = ExportBox(lf);
    const ObjectBox cut = BoxOf(*lf.obj[0]);
    const std::uint32_t bg = HslToRgb(lf.bgc);
    // Right of the line's end, along the line, only background.
    int beyond = 0;
    for (long long y = cut.top; y < cut.bottom; y += 2)
        for (long long x = cut.right + 4; x < all.right; x += 2)
            beyond += PixelAt(half, static_cast<int>((x - all.left) / 2),
                              static_cast<int>((y - all.top) / 2)) != bg;
    EXPECT_EQ(beyond, 0);
}

TEST_F(ExportDraw, AnObjectAtTheSizeBoundExportsAtOneHundredPercent) {
    // Two glyphs spaced so that the object's box is 16383 pixels wide.
    lf.AddObj(test::TextObject("II", test::SANS, 40, 0, 0));
    lf.obj[0]->lt.spacing = 16000;
    lf.obj[0]->Update();
    lf.obj[0]->lt.spacing += 16383 - lf.obj[0]->w;
    const ExportLogo logo = OpenExport(lf);
    ASSERT_EQ(logo.w, 16383);
    EXPECT_EQ(DrawExport(lf, logo, ExportAt(100)).w, 16383);
    ExportImage larger;
    EXPECT_FALSE(DrawLogoImage(lf, logo, ExportAt(101), larger));
}

// One red word with a solid black shadow thrown `distance` pixels along `angle`.
void ShadowedWord(LeFile& doc, int angle, int distance) {
    doc.AddObj(test::TextObject("Shade", test::SANS_BOLD, 50, 0, 0));
    LogoParams& lt = doc.obj[0]->lt;
    lt.color = {0, 240, 120};
    lt.has_shadow = 1;
    lt.shadow_angle = angle;
    lt.shadow_distance = distance;
    lt.shadow_opacity = 1.0f;
}

TEST_F(ExportDraw, TheExportHoldsShadowsThrownPastTheObjects) {
    for (const int angle : {0, 90, 180, 270, 135}) {
        SCOPED_TRACE("angle " + std::to_string(angle));
        LeFile doc;
        ShadowedWord(doc, angle, 40);
        // A fixed canvas far larger than the logo shows all of it.
        doc.fixed_canvas = 1;
        doc.canvas_w = 600;
        doc.canvas_h = 400;
        const ExportImage all = DrawExport(doc, OpenExport(doc), ExportAt(100));
        doc.fixed_canvas = 0;
        const ExportLogo logo = OpenExport(doc);
        const ExportImage img = DrawExport(doc, logo, ExportAt(100));
        const ObjectBox box = ExportBox(doc);
        ASSERT_EQ(img.w, logo.w);
        const std::uint32_t bg = HslToRgb(doc.bgc);
        EXPECT_TRUE(test::IsPartOf(img, all.px, all.w, 300 + static_cast<int>(box.left),
                                   200 + static_cast<int>(box.top)));
        int drawn = 0, held = 0;
        for (const std::uint32_t p : all.px) drawn += p != bg;
        for (const std::uint32_t p : img.px) held += p != bg;
        EXPECT_EQ(held, drawn);
        EXPECT_GE(logo.w + logo.h, doc.obj[0]->w + doc.obj[0]->h + 39);
    }
}

TEST_F(ExportDraw, TransparentGifBlendsPartlyTransparentPixelsWithTheBackground) {
    ShadowedWord(lf, 45, 20);
    lf.obj[0]->lt.shadow_opacity = 0.6f;  // 153 of 255
    lf.bgc = {0, 0, 200};                 // grey 212: 212 * 102 / 255 = 84.8
    const std::uint32_t bg = HslToRgb(lf.bgc);
    ASSERT_EQ(bg, 0xD4D4D4u);
    const ExportLogo logo = OpenExport(lf);
    const ExportImage plain = DrawExport(lf, logo, ExportAt(100, 0, true));  // colours as they are
    ExportOptions gif_options = ExportAt(100, 0, true);
    gif_options.format = ImageFormat::GIF8;
    const ExportImage gif = DrawExport(lf, logo, gif_options);
    ASSERT_EQ(gif.alpha, plain.alpha);
    std::vector<std::size_t> shadow;
    for (std::size_t i = 0; i < plain.px.size(); ++i) {
        const int a = plain.alpha[i];
        const std::uint32_t want = a == 0 || a == 255 ? plain.px[i] : Blend(bg, plain.px[i], a);
        ASSERT_EQ(gif.px[i], want) << i;
        if (a == 153 && plain.px[i] == 0) shadow.push_back(i);
    }
    ASSERT_GT(shadow.size(), 100u);
    EXPECT_EQ(gif.px[shadow[0]], 0x545454u);  // truncated, as every blend

    // Written and read back, the 60 % shadow is the blend, not solid black.
    std::vector<std::uint8_t> bytes;
    ASSERT_TRUE(EncodeImage(ImageFormat::GIF8, gif.Pixels(), 90, bytes));
    Image read;
    std::vector<std::uint32_t> px;
    ASSERT_TRUE(read.Decode(bytes, IMAGE_GIF) && read.ToPixels(px));
    for (const std::size_t i : shadow)
        for (int s = 0; s <= 16; s += 8) ASSERT_NEAR(Channel(px[i], s), 0x54, 6) << i;
}

}  // namespace
}  // namespace vx
