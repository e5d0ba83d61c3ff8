#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <string>

#include "render/FtText.h"
#include "support/Recorders.h"
#include "support/TestFonts.h"

namespace vx {
namespace {

using test::RecordingTest;

LogoParams Text(const std::string& str, int size = 48) {
    LogoParams lt;
    lt.font = test::SANS;
    lt.str = str;
    lt.size = size;
    return lt;
}

LogoParams Shape(int glyph, int width, int height) {
    LogoParams lt;
    lt.font = test::SYMBOLS;
    lt.shape = glyph;
    lt.width = width;
    lt.size = height;
    return lt;
}

int Ink(const FtText& ft) {
    int n = 0;
    for (const std::uint8_t v : ft.cov) n += v > 0;
    return n;
}

bool SameRender(const FtText& a, const FtText& b) {
    return a.szx == b.szx && a.szy == b.szy && a.org_x == b.org_x && a.org_y == b.org_y &&
           a.cov == b.cov;
}

class Layout : public RecordingTest {};

TEST_F(Layout, EmptyTextIsTenByTenZerosWithOriginAtTheCorner) {
    for (const int effects : {0, 1}) {
        FtText ft;
        LogoParams lt = Text("", 200);
        lt.has_outline = lt.has_shadow = 1;
        ft.Render(lt, 0, effects);
        EXPECT_EQ(ft.szx, 10);
        EXPECT_EQ(ft.szy, 10);
        EXPECT_EQ(ft.org_x, 0);
        EXPECT_EQ(ft.org_y, 0);
        EXPECT_EQ(ft.cov, std::vector<std::uint8_t>(100, 0));
        if (effects) {
            EXPECT_EQ(ft.eff, std::vector<std::uint8_t>(100, 0));
        }
    }
}

TEST_F(Layout, AspectZeroGivesOnePixelWideGlyphs) {
    LogoParams lt = Text("MMMM");
    FtText wide, thin;
    wide.Render(lt, 0, 0);
    lt.aspect = 0.0f;
    thin.Render(lt, 0, 0);
    EXPECT_EQ(thin.szy, wide.szy);
    EXPECT_LT(thin.szx, 16);
    EXPECT_GT(wide.szx, 100);
}

TEST_F(Layout, SpacingTightensEveryGapButNotTheFirstGlyph) {
    LogoParams lt = Text("HHH");
    FtText normal, tight;
    normal.Render(lt, 0, 0);
    lt.spacing = -3;
    tight.Render(lt, 0, 0);
    EXPECT_EQ(tight.org_x, normal.org_x);
    EXPECT_EQ(tight.gp[1].x - tight.gp[0].x, normal.gp[1].x - normal.gp[0].x - 3);
    EXPECT_EQ(tight.gp[2].x - tight.gp[0].x, normal.gp[2].x - normal.gp[0].x - 6);
    EXPECT_EQ(tight.szx, normal.szx - 6);
}

TEST_F(Layout, NoSpacingNextToACharacterTheFaceLacks) {
    // 0x81 maps to the control character U+0081, which the face does not have.
    LogoParams lt = Text("H\x81H");
    FtText normal, spaced;
    normal.Render(lt, 0, 0);
    lt.spacing = 20;
    spaced.Render(lt, 0, 0);
    ASSERT_EQ(normal.gp.size(), 3u);
    EXPECT_EQ(normal.gp[1].index, 0);
    for (int n = 0; n < 3; ++n) EXPECT_EQ(spaced.gp[n].x, normal.gp[n].x) << n;
    EXPECT_GT(Ink(normal), 0);
}

TEST_F(Layout, OverlappingGlyphsCombineByMaximum) {
    FtText single, pair;
    single.Render(Text("l"), 0, 0);
    FtText probe;  // the advance, so that spacing can take it back exactly
    probe.Render(Text("ll"), 0, 0);
    LogoParams lt = Text("ll");
    lt.spacing = -(probe.gp[1].x - probe.gp[0].x);
    pair.Render(lt, 0, 0);
    ASSERT_EQ(pair.gp[1].x, pair.gp[0].x);
    EXPECT_TRUE(SameRender(single, pair));
}

TEST_F(Layout, QuarterTurnRunsStraightUp) {
    LogoParams lt = Text("HHHH");
    lt.angle = 0.25f;
    lt.has_transform = 1;
    FtText ft;
    ft.Render(lt, 0, 0);
    for (int n = 1; n < 4; ++n) {
        EXPECT_EQ(ft.gp[n].x, ft.gp[0].x);
        EXPECT_LT(ft.gp[n].y, ft.gp[n - 1].y);
    }
    EXPECT_GT(ft.szy, ft.szx);
    EXPECT_EQ(ft.gp[0].matrix.xx, 0);      // truncate(cos(pi/2) * 65536)
    EXPECT_EQ(ft.gp[0].matrix.yx, 65535);  // sin of the float quarter turn, truncated
    EXPECT_EQ(ft.gp[0].matrix.xy, -65535);
}

TEST_F(Layout, FittingModesShrinkToTheBox) {
    for (const int mode : {1, 2}) {
        LogoParams lt = Text("Wg", 30);
        FtText fitted;
        fitted.Render(lt, mode, 0);
        EXPECT_LE(fitted.szy, 30 + 2 + 8) << mode;
        FtText tiny;
        tiny.Render(Text("Wg", 3), mode, 0);  // stops at 2 pixels
        EXPECT_GT(tiny.szx, 0);
    }
}

// Fields that do not apply, or values out of range, render as what stands in
// for them.
TEST_F(Layout, StandInsRenderAlike) {
    LogoParams bend_alone = Text("Bend");
    bend_alone.has_bend = 1;  // without has_transform
    bend_alone.bend = 1.0f;
    LogoParams unknown_face = Text("Face");
    unknown_face.font = "No Such Face";
    LogoParams shape_with_text = Shape(36, 100, 50);
    shape_with_text.str = "ignored";
    shape_with_text.spacing = 40;
    const struct {
        const char* what;
        LogoParams lt, stand_in;
    } cases[] = {
        {"size 0 renders one pixel high", Text("Hi", 0), Text("Hi", 1)},
        {"so does a negative size", Text("Hi", -40), Text("Hi", 1)},
        {"a bend needs rotation switched on too", bend_alone, Text("Bend")},
        {"an unknown face is the first text font", unknown_face, Text("Face")},
        {"text fields do not apply to a shape", shape_with_text, Shape(36, 100, 50)},
    };
    for (const auto& c : cases) {
        FtText a, b;
        a.Render(c.lt, 0, 0);
        b.Render(c.stand_in, 0, 0);
        EXPECT_TRUE(SameRender(a, b)) << c.what;
    }
    FtText one;
    one.Render(Text("Hi", 1), 0, 0);
    EXPECT_LE(one.szy, 6);
}

TEST_F(Layout, Renders499BytesAndCutsLongerTextAfterTheReport) {
    const std::string text(499, 'i');
    FtText full;
    full.Render(Text(text, 3), 0, 0);
    EXPECT_EQ(full.slen, 499);
    EXPECT_TRUE(rec.reports.empty());

    FtText over;
    over.Render(Text(text + "iiiiiiiiii", 3), 0, 0);
    EXPECT_EQ(rec.FailedExpressions(), std::vector<std::string>{"slen<500"});
    rec.reports.clear();
    EXPECT_TRUE(SameRender(full, over));
}

TEST_F(Layout, GlyphsPastTheSizeBoundAreCutQuietly) {
    LogoParams lt = Text("ABC");
    lt.spacing = 1000000;  // the second glyph lands a million pixels away
    FtText ft;
    ft.Render(lt, 0, 1);
    FtText first;
    first.Render(Text("A"), 0, 1);
    EXPECT_TRUE(SameRender(ft, first));

    FtText huge;
    huge.Render(Text("W", 20000), 0, 1);
    EXPECT_EQ(huge.szx, 10);  // nothing left: the empty object
    EXPECT_TRUE(rec.reports.empty());
}

// The bound of an object's box: 16384 pixels a side, 64 megapixels.
bool WithinObjectBound(long long w, long long h) {
    return w <= 16384 && h <= 16384 && w * h <= 64 << 20;
}

TEST_F(Layout, LongAndLargeTextIsCutAtTheObjectBoundWithoutAReport) {
    std::string line;
    while (line.size() < 499) line += "New Text ";
    line.resize(499);
    LogoParams turned = Text("New Text New", 2999);
    turned.has_transform = 1;
    turned.angle = 0.125f;  // the box grows both ways: the area bound cuts it
    const struct {
        const char* what;
        LogoParams lt;
        bool whole;
    } cases[] = {
        {"New Text at 1200", Text("New Text", 1200), true},
        {"45 characters at 256", Text(line.substr(0, 45), 256), true},
        {"New Text at 2999", Text("New Text", 2999), true},
        {"499 characters at 256", Text(line, 256), false},
        {"a turned line at 2999", turned, false},
    };
    for (const auto& c : cases) {
        FtText ft;
        ft.Render(c.lt, 0, 1);
        EXPECT_TRUE(rec.reports.empty()) << c.what;
        rec.reports.clear();
        EXPECT_TRUE(WithinObjectBound(ft.szx, ft.szy))
            << c.what << ": " << ft.szx << " x " << ft.szy;
        EXPECT_TRUE(ft.RenderComplete(c.lt)) << c.what;
        if (c.whole) {
            EXPECT_EQ(ft.slen, static_cast<int>(c.lt.str.size())) << c.what;
            continue;
        }
        ASSERT_GT(ft.slen, 0) << c.what;
        // Cut after the last glyph that fits: the text up to it renders the same,
        // and one more glyph would pass the bound.
        LogoParams kept = c.lt;
        kept.str.resize(static_cast<std::size_t>(ft.slen));
        FtText shorter;
        shorter.Render(kept, 0, 1);
        EXPECT_TRUE(SameRender(ft, shorter)) << c.what;
        EXPECT_FALSE(WithinObjectBound(ft.szx + 2LL * c.lt.size, ft.szy))
            << c.what << ": " << ft.slen << " glyphs in " << ft.szx << " x " << ft.szy;
    }
}

TEST_F(Layout, NonFiniteAndOutOfRangeFieldsRenderSafely) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    for (const float v : {nan, inf, -inf, -50.0f, 1e30f}) {
        LogoParams lt = Text("Safe");
        lt.has_transform = lt.has_bend = lt.has_outline = lt.has_shadow = lt.grad = 1;
        lt.angle = lt.bend = lt.aspect = v;
        lt.outline_sharpness = lt.outline_opacity = lt.shadow_opacity = v;
        lt.grad_opacity1 = lt.grad_opacity2 = v;
        lt.color = lt.grad_color1 = {v, v, v};
        lt.strength = 1 << 30;
        lt.shadow_distance = -(1 << 30);
        lt.grad_angle = -123456789;
        FtText ft;
        ft.Render(lt, 0, 1);
        std::vector<std::uint32_t> out(200 * 200, 0xFFFFFF);
        ft.BltToBuf(lt, out.data(), 200, 200, 100, 100, 1, 1);
        EXPECT_TRUE(WithinObjectBound(ft.szx, ft.szy)) << v;
        rec.reports.clear();  // a box past the window may be reported
    }
}

TEST_F(Layout, GlyphIndicesTheFaceDoesNotHaveAreReported) {
    for (const int glyph : {-5, 1 << 30}) {
        FtText ft;
        ft.Render(Shape(glyph, 40, 40), 0, 1);
        EXPECT_EQ(rec.FailedExpressions(),
                  std::vector<std::string>{"FT_Load_Glyph(face,gp[n].index,FT_LOAD_DEFAULT)"});
        rec.reports.clear();
        EXPECT_EQ(ft.szx, 10);
    }
}

TEST_F(Layout, EffectsBlurOnceAtStrengthZero) {
    LogoParams lt = Text(".");
    lt.has_shadow = 1;
    lt.strength = 0;
    FtText once, twice;
    once.Render(lt, 0, 1);
    lt.strength = 1;
    twice.Render(lt, 0, 1);
    ASSERT_EQ(once.eff.size(), once.cov.size());
    EXPECT_NE(once.eff, twice.eff);
    EXPECT_EQ(*std::max_element(once.eff.begin(), once.eff.end()), 255);  // stretched
    lt.has_shadow = 0;
    FtText none;
    none.Render(lt, 0, 1);
    EXPECT_TRUE(none.eff.empty());
}

}  // namespace
}  // namespace vx
