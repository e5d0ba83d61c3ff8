// Drawing the exported picture: 100 % is the on-screen canvas, larger scales
// look like it only sharper, margins are background, transparency is exact
// where the logo is opaque, and oversized exports are refused up front.

#include <gtest/gtest.h>

#include <cmath>
#include <iomanip>
#include <iostream>

#include "TestFonts.h"
#include "TestLogos.h"
#include "export/LogoExport.h"
#include "render/Color.h"
#include "render/Random.h"
#include "support/Recorders.h"

namespace vx {
namespace {

using test::RecordingTest;

ExportOptions At(int percent, int margin = 0, bool transparent = false) {
    ExportOptions o;
    o.scale = percent;
    o.margin = margin;
    o.transparent = transparent;
    return o;
}

std::uint32_t At(const ExportImage& img, int x, int y) {
    return img.px[static_cast<std::size_t>(y) * img.w + x];
}

int Channel(std::uint32_t p, int shift) {
    return static_cast<int>(p >> shift & 0xFF);
}

// Draws the export of `lf` with the dither seeded by `seed`.
ExportImage Draw(LeFile& lf, const ExportLogo& logo, const ExportOptions& options,
                 std::uint32_t seed = 7) {
    EngineRandom().Seed(seed);
    ExportImage image;
    EXPECT_TRUE(DrawLogoImage(lf, logo, options, image));
    return image;
}

class ExportDraw : public RecordingTest {
protected:
    LeFile lf;
};

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
        const ExportImage img = Draw(lf, logo, At(100), 11);
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
        for (int y = 0; y < img.h; ++y)
            for (int x = 0; x < img.w; ++x)
                ASSERT_EQ(At(img, x, y),
                          ob.dta[static_cast<std::size_t>(top + y) * ob.dw + left + x])
                    << "fixed " << fixed << ": first difference at " << x << "," << y;
    }
}

// Strong effects without a gradient (whose random dither would dominate):
// wide soft shadows in three directions and outlines.
void EffectsLogo(LeFile& lf) {
    lf.AddObj(test::TextObject("Shadows", test::SANS_BOLD, 64, 0, -30));
    lf.AddObj(test::ShapeObject(36, 70, 70, -180, 40));
    lf.AddObj(test::TextObject("outline", test::SANS, 40, 60, 50));
    for (int n = 0; n < lf.objs; ++n) {
        LogoParams& lt = lf.obj[n]->lt;
        lt.has_shadow = lt.has_outline = 1;
        lt.strength = 2 + 2 * n;
        lt.shadow_distance = 10;
        lt.shadow_angle = 30 + 60 * n;
        lt.shadow_opacity = 0.8f;
        lt.color = {150, 200, 80};
        lt.outline_color = {30, 240, 150};
    }
}

// `big` reduced by `factor` (the rounded mean of each block) against `small`.
struct Fidelity {
    double mae = 0;   // mean absolute difference per channel, 0..255
    double psnr = 0;  // peak signal-to-noise ratio, dB
    int worst = 0;    // largest difference of one channel
};

Fidelity CompareReduced(const ExportImage& big, const ExportImage& small, int factor) {
    Fidelity f;
    if (big.w != small.w * factor || big.h != small.h * factor) {
        ADD_FAILURE() << big.w << "x" << big.h << " is not " << factor << " times " << small.w
                      << "x" << small.h;
        return f;
    }
    const int area = factor * factor;
    double sum = 0, squares = 0;
    for (int y = 0; y < small.h; ++y)
        for (int x = 0; x < small.w; ++x)
            for (int s = 0; s <= 16; s += 8) {
                int total = 0;
                for (int j = 0; j < factor; ++j)
                    for (int i = 0; i < factor; ++i)
                        total += Channel(At(big, x * factor + i, y * factor + j), s);
                const int d = std::abs((total + area / 2) / area - Channel(At(small, x, y), s));
                sum += d;
                squares += static_cast<double>(d) * d;
                f.worst = std::max(f.worst, d);
            }
    const double n = 3.0 * small.w * small.h;
    f.mae = sum / n;
    f.psnr = 20.0 * std::log10(255.0 / std::sqrt(std::max(squares / n, 1e-12)));
    return f;
}

struct FidelityCase {
    const char* name;
    void (*build)(LeFile&);
    double max_mae;
    double min_psnr;
};

// The scaled export reduced to 100 % against the 100 % export. Glyphs are
// rasterized at the larger size and effects scaled with it, so the two differ
// only along edges, by sub-pixel placement and the hinting of the small size.
// (Unscaled shadow distances or blur spreads give 8 to 14 levels here.)
TEST_F(ExportDraw, ScaledExportsReducedMatchTheOneHundredPercentExport) {
    const FidelityCase cases[] = {{"effects logo", EffectsLogo, 3.5, 26.0},
                                  {"typical logo", test::TypicalLogo, 3.0, 26.0}};
    for (const FidelityCase& c : cases) {
        LeFile doc;
        c.build(doc);
        const ExportLogo logo = OpenExport(doc);
        const ExportImage base = Draw(doc, logo, At(100));
        for (const int factor : {2, 3, 4}) {
            const ExportImage big = Draw(doc, logo, At(100 * factor));
            const Fidelity f = CompareReduced(big, base, factor);
            std::cout << std::fixed << "[ fidelity ] " << c.name << ", " << factor * 100
                      << " % reduced to 100 %: mean error " << std::setprecision(2) << f.mae
                      << " levels, PSNR " << std::setprecision(1) << f.psnr << " dB, worst "
                      << f.worst << "\n";
            EXPECT_LT(f.mae, c.max_mae) << c.name << " " << factor * 100 << " %";
            EXPECT_GT(f.psnr, c.min_psnr) << c.name << " " << factor * 100 << " %";
        }
    }
}

TEST_F(ExportDraw, MarginsAndUncoveredCanvasAreBackground) {
    test::TypicalLogo(lf);
    lf.bgc = {0, 240, 180};
    for (int n = 0; n < lf.objs; ++n) lf.obj[n]->lt.shadow_distance = 40;  // beyond the box
    const ExportLogo logo = OpenExport(lf);
    const std::uint32_t bg = HslToRgb(lf.bgc);
    const ExportImage plain = Draw(lf, logo, At(200));
    const ExportImage framed = Draw(lf, logo, At(200, 12));
    ASSERT_EQ(framed.w, plain.w + 24);
    ASSERT_EQ(framed.h, plain.h + 24);
    for (int y = 0; y < framed.h; ++y)
        for (int x = 0; x < framed.w; ++x) {
            const bool margin = x < 12 || y < 12 || x >= framed.w - 12 || y >= framed.h - 12;
            ASSERT_EQ(At(framed, x, y), margin ? bg : At(plain, x - 12, y - 12)) << x << "," << y;
        }

    // A fixed canvas larger than the objects: the rest is background.
    lf.fixed_canvas = 1;
    lf.canvas_w = 900;
    lf.canvas_h = 500;
    const ExportImage canvas = Draw(lf, OpenExport(lf), At(100));
    EXPECT_EQ(At(canvas, 0, 0), bg);
    EXPECT_EQ(At(canvas, 899, 499), bg);
}

TEST_F(ExportDraw, TransparentAlphaIsExactlyTheCoverageOfAnOpaqueGlyph) {
    lf.AddObj(test::TextObject("Alpha", test::SANS_BOLD, 40, 0, 0));  // black, no effects
    const ExportLogo logo = OpenExport(lf);
    const ExportImage opaque = Draw(lf, logo, At(300, 4));
    const ExportImage clear = Draw(lf, logo, At(300, 4, true));
    ASSERT_EQ(clear.alpha.size(), opaque.px.size());
    int solid = 0, edge = 0;
    for (std::size_t i = 0; i < opaque.px.size(); ++i) {
        // Over white, black at coverage v leaves 255 - v.
        ASSERT_EQ(clear.alpha[i], 255 - static_cast<int>(opaque.px[i] & 0xFF)) << i;
        if (clear.alpha[i] > 0) {
            ASSERT_EQ(clear.px[i], 0u) << i;
        }
        solid += clear.alpha[i] == 255;
        edge += clear.alpha[i] > 0 && clear.alpha[i] < 255;
    }
    EXPECT_GT(solid, 1000);
    EXPECT_GT(edge, 500);
}

// `colour` with `alpha` over `background`, each channel rounded.
std::uint32_t Composite(std::uint32_t colour, int alpha, std::uint32_t background) {
    std::uint32_t out = 0;
    for (int s = 0; s <= 16; s += 8) {
        const int mix = Channel(colour, s) * alpha + Channel(background, s) * (255 - alpha);
        out |= static_cast<std::uint32_t>((mix + 127) / 255) << s;
    }
    return out;
}

TEST_F(ExportDraw, TransparentPicturesCompositeBackToTheOpaqueExport) {
    test::TypicalLogo(lf);
    lf.obj[0]->lt.strength = 8;  // a wide soft shadow
    const ExportLogo logo = OpenExport(lf);
    const ExportImage clear = Draw(lf, logo, At(200, 6, true));
    // Over any background, the transparent picture shows what an opaque export
    // on that background shows: alpha and colour are right everywhere.
    for (const HslF bgc : {HslF{40, 240, 210}, HslF{160, 200, 40}}) {
        lf.bgc = bgc;
        const std::uint32_t bg = HslToRgb(bgc);
        const ExportImage opaque = Draw(lf, logo, At(200, 6));
        int worst = 0;
        for (std::size_t i = 0; i < opaque.px.size(); ++i) {
            const std::uint32_t shown = Composite(clear.px[i], clear.alpha[i], bg);
            for (int s = 0; s <= 16; s += 8)
                worst = std::max(worst, std::abs(Channel(shown, s) - Channel(opaque.px[i], s)));
        }
        EXPECT_LE(worst, 3) << std::hex << bg;
    }
    EXPECT_EQ(clear.alpha[0], 0);  // margin
    EXPECT_EQ(clear.alpha.back(), 0);
}

TEST_F(ExportDraw, OversizedExportsAreRefusedBeforeDrawingAndTheLimitIsDrawnWhole) {
    lf.AddObj(test::TextObject("A rather wide logo line", test::SANS, 60, 0, 0));
    const ExportLogo logo = OpenExport(lf);
    const ExportSize size = OutputSize(logo, 10000, 0);
    ExportImage img;
    const Result too_large = DrawLogoImage(lf, logo, At(10000), img);
    EXPECT_NE(too_large.message().find("The image would be " + std::to_string(size.w) + " x " +
                                       std::to_string(size.h) + " pixels"),
              std::string::npos)
        << too_large.message();
    EXPECT_TRUE(img.px.empty());

    // An object far larger than a small fixed canvas is refused by its own size.
    lf.fixed_canvas = 1;
    lf.canvas_w = lf.canvas_h = 100;
    const Result object_too_large = DrawLogoImage(lf, OpenExport(lf), At(4000), img);
    EXPECT_NE(object_too_large.message().find("At 4000 % an object of the logo would be"),
              std::string::npos)
        << object_too_large.message();

    // At the side limit the export is drawn whole, one percent more is refused.
    LeFile edge;
    edge.AddObj(test::TextObject("edge", test::SANS, 20, 2000, 0));
    edge.fixed_canvas = 1;
    edge.canvas_w = 4096;
    edge.canvas_h = 40;
    const ExportLogo edge_logo = OpenExport(edge);
    const ExportImage whole = Draw(edge, edge_logo, At(400));
    ASSERT_EQ(whole.w, 16384);
    ASSERT_EQ(whole.h, 160);
    // The text, centred 2000 pixels right of the centre, is there at 4 times that.
    int dark = 0;
    for (int y = 0; y < whole.h; ++y)
        for (int x = 16000; x < 16384; ++x) dark += At(whole, x, y) == 0;
    EXPECT_GT(dark, 200);
    EXPECT_NE(DrawLogoImage(edge, edge_logo, At(401), img).message().find("The image would be"),
              std::string::npos);
}

TEST_F(ExportDraw, ALogoWithAPictureIsDrawnAtOneHundredPercent) {
    lf.AddObj(test::BitmapObject(0, 0, 2, 1));
    lf.obj[0]->cbm = {0xFFFF0000u, 0x800000FFu};  // opaque red, half-transparent blue
    lf.bgc = {0, 0, 240};
    const ExportLogo logo = OpenExport(lf);
    const ExportImage img = Draw(lf, logo, At(400, 1));
    ASSERT_EQ(img.w, 4);
    ASSERT_EQ(img.h, 3);
    EXPECT_EQ(At(img, 1, 1), 0xFF0000u);
    EXPECT_EQ(At(img, 2, 1), Blend(0xFFFFFF, 0x0000FF, 0x80));
    EXPECT_EQ(At(img, 0, 0), 0xFFFFFFu);
}

TEST_F(ExportDraw, NothingToDrawOrNoRoomForTransparencyIsRefused) {
    ExportImage img;
    EXPECT_EQ(DrawLogoImage(lf, OpenExport(lf), At(100), img).message(),
              "The logo is empty: there is nothing to export.");
    lf.AddObj(test::TextObject("JPEG", test::SANS, 30, 0, 0));
    ExportOptions jpeg = At(100, 0, true);
    jpeg.format = ImageFormat::JPEG;
    EXPECT_NE(DrawLogoImage(lf, OpenExport(lf), jpeg, img)
                  .message()
                  .find("JPEG cannot hold a transparent background"),
              std::string::npos);
}

}  // namespace
}  // namespace vx
