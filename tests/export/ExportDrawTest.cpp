// Drawing the exported picture: 100 % is the on-screen canvas, larger scales
// look like it only sharper, margins are background, transparency is exact
// where the logo is opaque, and oversized exports are refused up front.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "render/Color.h"
#include "render/Random.h"
#include "support/ExportPictures.h"

namespace vx {
namespace {

using test::Channel;
using test::DrawExport;
using test::PixelAt;

using ExportDraw = test::ExportTest;

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

// At 100 % the export is the on-screen canvas: all of a fixed canvas, or cut
// from it at the box of the objects and the shadows thrown past them, which
// holds everything drawn.
TEST_F(ExportDraw, OneHundredPercentIsTheOnScreenCanvas) {
    LeFile logos[6];
    test::TypicalLogo(logos[0]);
    logos[0].obj[1]->x = 13;  // an off-centre box
    const int angles[] = {0, 90, 180, 270, 135};
    for (int i = 0; i < 5; ++i) ShadowedWord(logos[i + 1], angles[i], 40);
    for (LeFile& doc : logos)
        for (const int fixed : {1, 0}) {
            SCOPED_TRACE("logo " + std::to_string(&doc - logos) + (fixed ? ", fixed" : ""));
            doc.fixed_canvas = fixed;
            doc.canvas_w = 700;
            doc.canvas_h = 400;
            const ExportLogo logo = OpenExport(doc);
            const ExportImage img = DrawExport(doc, logo, {}, 11);
            EngineRandom().Seed(11);
            doc.Update(2000, 2000, -1, -1);
            const ObjectBitmap& ob = LeFile::ob;
            const ObjectBox box = ExportBox(doc);
            ASSERT_EQ(img.w, fixed ? ob.dw : logo.w);
            ASSERT_EQ(img.h, fixed ? ob.dh : logo.h);
            EXPECT_TRUE(test::IsPartOf(img, ob.dta, ob.dw, fixed ? 0 : box.left + ob.dw / 2,
                                       fixed ? 0 : box.top + ob.dh / 2));
            const std::uint32_t bg = HslToRgb(doc.bgc);
            EXPECT_EQ(img.px.size() - std::count(img.px.begin(), img.px.end(), bg),
                      ob.dta.size() - std::count(ob.dta.begin(), ob.dta.end(), bg));
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
        const ExportImage base = DrawExport(doc, logo, {});
        for (const int factor : {2, 3, 4}) {
            SCOPED_TRACE(std::string(c.logo) + " at " + std::to_string(factor * 100) + " %");
            const ExportImage big = DrawExport(doc, logo, {.scale = 100 * factor});
            ASSERT_EQ(big.w, base.w * factor);
            ASSERT_EQ(big.h, base.h * factor);
            const auto [mae, psnr] = ReducedError(big, base, factor);
            EXPECT_LT(mae, c.max_mae);
            EXPECT_GT(psnr, c.min_psnr);
        }
    }
}

// Margins are background, also where objects reach past a fixed canvas.
TEST_F(ExportDraw, MarginsAreBackground) {
    test::TypicalLogo(lf);
    lf.bgc = {0, 240, 180};
    lf.fixed_canvas = 1;
    lf.canvas_w = 400;  // the logo reaches past it on every side
    lf.canvas_h = 160;
    for (int n = 0; n < lf.objs; ++n) lf.obj[n]->lt.grad = 0;  // no dither, cut differently
    const ExportLogo logo = OpenExport(lf);
    const ExportImage plain = DrawExport(lf, logo, {.scale = 200});
    const ExportImage framed = DrawExport(lf, logo, {.scale = 200, .margin = 12});
    ASSERT_EQ(framed.w, plain.w + 24);
    ASSERT_EQ(framed.h, plain.h + 24);
    EXPECT_TRUE(test::IsPartOf(plain, framed.px, framed.w, 12, 12));
    // The logo's part as it was, so the margin's pixels are all background.
    const std::uint32_t bg = HslToRgb(lf.bgc);
    EXPECT_EQ(std::count(framed.px.begin(), framed.px.end(), bg) -
                  std::count(plain.px.begin(), plain.px.end(), bg),
              std::ssize(framed.px) - std::ssize(plain.px));
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
        const ExportImage clear =
            DrawExport(c.logo, logo, {.scale = 200, .margin = 6, .transparent = true});
        const auto solid = std::count(clear.alpha.begin(), clear.alpha.end(), 255);
        const auto clear_pixels = std::count(clear.alpha.begin(), clear.alpha.end(), 0);
        EXPECT_GT(solid, 1000);
        EXPECT_GT(static_cast<long>(clear.alpha.size()) - solid - clear_pixels, 500);  // edges
        EXPECT_EQ(clear.alpha[0], 0);                                                  // margin
        for (const HslF bgc : c.backgrounds) {
            c.logo.bgc = bgc;
            const std::uint32_t bg = HslToRgb(bgc);
            const ExportImage opaque = DrawExport(c.logo, logo, {.scale = 200, .margin = 6});
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

TEST_F(ExportDraw, ALogoWithAPictureIsDrawnAtOneHundredPercent) {
    lf.AddObj(test::BitmapObject(0, 0, 2, 1));
    lf.obj[0]->cbm = {0xFFFF0000u, 0x80993300u};  // opaque red, brown at alpha 128
    lf.bgc = {0, 0, 240};
    const ExportImage img = DrawExport(lf, OpenExport(lf), {.scale = 400, .margin = 1});
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
    const ExportImage half = DrawExport(lf, OpenExport(lf), {.scale = 50});
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

// Exports beyond the limits, in all or in one object (objects are drawn whole
// before the picture cuts them), or asking a format for what it cannot hold,
// are refused before anything is drawn; at the limits they are drawn whole.
TEST_F(ExportDraw, ExportsBeyondTheLimitsAreRefusedAndAtThemDrawnWhole) {
    lf.AddObj(test::TextObject("A rather wide logo line", test::SANS, 60, 0, 0));
    const ExportSize size = OutputSize(OpenExport(lf), 10000, 0);
    LeFile small = lf;  // on a fixed canvas far smaller than the object
    small.fixed_canvas = 1;
    small.canvas_w = small.canvas_h = 100;
    LeFile edge;  // on a canvas 16384 pixels wide at 400 %, 2000 right of its centre
    edge.AddObj(test::TextObject("edge", test::SANS, 20, 2000, 0));
    edge.fixed_canvas = 1;
    edge.canvas_w = 4096;
    edge.canvas_h = 40;
    LeFile bound;  // two glyphs spaced so that the object's box is 16383 pixels wide
    bound.AddObj(test::TextObject("II", test::SANS, 40, 0, 0));
    bound.obj[0]->lt.spacing = 16000;
    bound.obj[0]->Update();
    bound.obj[0]->lt.spacing += 16383 - bound.obj[0]->w;
    const struct {
        LeFile& doc;
        ExportOptions options;
        std::string refusal;
    } cases[] = {
        {lf,
         {.scale = 10000},
         "The image would be " + std::to_string(size.w) + " x " + std::to_string(size.h)},
        {small, {.scale = 4000}, "At 4000 % an object of the logo would be"},
        {edge, {.scale = 401}, "The image would be 16424 x 160 pixels"},
        {bound, {.scale = 101}, "The image would be 16546 x "},
        {lf, {.format = ImageFormat::JPEG, .transparent = true}, "JPEG cannot hold a transparent"},
    };
    for (const auto& c : cases) {
        ExportImage img;
        const Result r = DrawLogoImage(c.doc, OpenExport(c.doc), c.options, img);
        EXPECT_NE(r.message().find(c.refusal), std::string::npos) << r.message();
        EXPECT_TRUE(img.px.empty());
    }
    const ExportImage whole = DrawExport(edge, OpenExport(edge), {.scale = 400});
    ASSERT_EQ(whole.w, 16384);
    ASSERT_EQ(whole.h, 160);
    int dark = 0;  // the text, 4 times 2000 pixels right of the centre
    for (int y = 0; y < whole.h; ++y)
        for (int x = 16000; x < 16384; ++x) dark += PixelAt(whole, x, y) == 0;
    EXPECT_GT(dark, 200);
    const ExportLogo at_bound = OpenExport(bound);
    ASSERT_EQ(at_bound.w, 16383);
    EXPECT_EQ(DrawExport(bound, at_bound, {}).w, 16383);
}

// A text's first pen origin lands on the nearest pixel of its scaled place.
TEST_F(ExportDraw, ScaledPenOriginsRoundToTheNearestPixel) {
    lf.AddObj(test::TextObject("Pen", test::SANS, 40, 0, 0));
    lf.fixed_canvas = 1;  // the origin is the canvas's centre
    lf.canvas_w = lf.canvas_h = 200;
    OpenExport(lf);
    ScaledText text;
    ASSERT_TRUE(RenderScaledText(lf, *lf.obj[0], {100, 0, 200, 200}, text));
    // Moved to odd places: at 150 % half a pixel off the grid.
    lf.obj[0]->x += 1 - (text.pen_x & 1);
    lf.obj[0]->y += 1 - (text.pen_y & 1);
    ASSERT_TRUE(RenderScaledText(lf, *lf.obj[0], {100, 0, 200, 200}, text));
    const int x = text.pen_x, y = text.pen_y;
    ASSERT_TRUE(x > 0 && y > 0 && x % 2 == 1 && y % 2 == 1) << x << "," << y;
    ASSERT_TRUE(RenderScaledText(lf, *lf.obj[0], {150, 3, 306, 306}, text));
    EXPECT_EQ(text.pen_x, (3 * x + 1) / 2 + 3);
    EXPECT_EQ(text.pen_y, (3 * y + 1) / 2 + 3);
}

TEST_F(ExportDraw, TransparentGifBlendsPartlyTransparentPixelsWithTheBackground) {
    ShadowedWord(lf, 45, 20);
    lf.obj[0]->lt.shadow_opacity = 0.6f;  // 153 of 255
    lf.bgc = {0, 0, 200};                 // grey 212: 212 * 102 / 255 = 84.8
    const std::uint32_t bg = HslToRgb(lf.bgc);
    ASSERT_EQ(bg, 0xD4D4D4u);
    const ExportLogo logo = OpenExport(lf);
    const ExportImage plain = DrawExport(lf, logo, {.transparent = true});  // colours as they are
    const ExportImage gif =
        DrawExport(lf, logo, {.format = ImageFormat::GIF8, .transparent = true});
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
}

}  // namespace
}  // namespace vx
