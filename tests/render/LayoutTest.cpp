#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <tuple>

#include "render/FontCatalogue.h"
#include "render/FtText.h"
#include "render/ShapeIndex.h"
#include "support/Recorders.h"
#include "support/TestFonts.h"

namespace vx {
namespace {

using Bytes = std::vector<std::uint8_t>;

LogoParams Text(const std::string& str, int size = 48) {
    return test::TextObject(str, test::SANS, size, 0, 0)->lt;
}

LogoParams Shape(int glyph, int width, int height) {
    return test::ShapeObject(glyph, width, height, 0, 0)->lt;
}

FtText Rendered(const LogoParams& lt, int mode = 0, int effects = 0, float scale = 1.0f) {
    FtText ft;
    ft.scale = scale;
    ft.Render(lt, mode, effects);
    return ft;
}

bool SameRender(const FtText& a, const FtText& b) {
    return std::tie(a.szx, a.szy, a.org_x, a.org_y, a.cov) ==
           std::tie(b.szx, b.szy, b.org_x, b.org_y, b.cov);
}

// The bound of an object's box: 16384 pixels a side, 64 megapixels.
bool WithinObjectBound(long long w, long long h) {
    return w <= 16384 && h <= 16384 && w * h <= 64 << 20;
}

class Layout : public test::RecordingTest {};

// Empty text, and a shape whose glyph index the face does not have (reported).
TEST_F(Layout, NothingToDrawIsTenByTenZerosWithOriginAtTheCorner) {
    const std::vector<std::string> none,
        no_glyph{"FT_Load_Glyph(face,gp[n].index,FT_LOAD_DEFAULT)"};
    for (const auto& [empty, report] : {std::pair{Text("", 200), none},
                                        {Shape(-5, 40, 40), no_glyph},
                                        {Shape(1 << 30, 40, 40), no_glyph}}) {
        LogoParams lt = empty;
        lt.has_outline = lt.has_shadow = 1;
        for (const int effects : {0, 1}) {
            const FtText ft = Rendered(lt, 0, effects);
            EXPECT_EQ(std::tie(ft.szx, ft.szy, ft.org_x, ft.org_y), std::tuple(10, 10, 0, 0));
            EXPECT_EQ(ft.cov, Bytes(100, 0));
            EXPECT_EQ(ft.eff, effects ? Bytes(100, 0) : Bytes()) << effects;
            EXPECT_EQ(rec.FailedExpressions(), report) << lt.shape;
            rec.reports.clear();
        }
    }
}

// Spacing moves every glyph after the first by one step per gap, but adds
// nothing next to 0x81, which maps to U+0081, a control character the face lacks.
TEST_F(Layout, SpacingWidensEveryGapButNotNextToACharacterTheFaceLacks) {
    const struct {
        const char* text;
        int spacing, second, third;  // how far the second and third glyph move
    } cases[] = {{"HHH", -3, -3, -6}, {"H\x81H", 20, 0, 0}};
    for (const auto& c : cases) {
        LogoParams lt = Text(c.text);
        const FtText normal = Rendered(lt);
        lt.spacing = c.spacing;
        const FtText spaced = Rendered(lt);
        ASSERT_EQ(spaced.gp.size(), 3u);
        EXPECT_EQ(spaced.org_x, normal.org_x) << c.text;
        EXPECT_EQ(spaced.gp[1].x - spaced.gp[0].x, normal.gp[1].x - normal.gp[0].x + c.second);
        EXPECT_EQ(spaced.gp[2].x - spaced.gp[0].x, normal.gp[2].x - normal.gp[0].x + c.third);
        EXPECT_EQ(spaced.szx, normal.szx + c.third) << c.text;
        EXPECT_NE(spaced.cov, Bytes(spaced.cov.size(), 0)) << c.text;  // still drawn
    }
    EXPECT_EQ(Rendered(Text("H\x81H")).gp[1].index, 0);
}

// A quarter turn's matrix holds the cosine and sine of the float angle, times
// 65536, truncated. (Text turned a quarter runs straight up, aspect 0 draws
// glyphs one pixel wide and strength 0 blurs once: the text_extremes golden
// picture shows all three.)
TEST_F(Layout, QuarterTurnMatrixIsTruncated) {
    LogoParams lt = Text("HHHH");
    lt.angle = 0.25f;
    lt.has_transform = 1;
    const FT_Matrix m = Rendered(lt).gp[0].matrix;
    EXPECT_EQ(std::tie(m.xx, m.yx, m.xy), std::tuple(0, 65535, -65535));
}

TEST_F(Layout, FittingModesShrinkToTheBox) {
    for (const int mode : {1, 2}) {
        EXPECT_LE(Rendered(Text("Wg", 30), mode).szy, 30 + 2 + 8) << mode;
        EXPECT_GT(Rendered(Text("Wg", 3), mode).szx, 0) << mode;  // stops at 2 pixels
    }
}

// Fields that do not apply, values out of range, glyphs that overlap or fall
// past the bound render as what stands in for them.
TEST_F(Layout, StandInsRenderAlike) {
    LogoParams bend_alone = Text("Bend");
    bend_alone.has_bend = 1;  // without has_transform
    bend_alone.bend = 1.0f;
    LogoParams unknown_face = Text("Face");
    unknown_face.font = "No Such Face";
    LogoParams shape_with_text = Shape(36, 100, 50);
    shape_with_text.str = "ignored";
    shape_with_text.spacing = 40;
    const FtText probe = Rendered(Text("ll"));
    LogoParams overlapping = Text("ll");  // spacing takes the advance back exactly
    overlapping.spacing = -(probe.gp[1].x - probe.gp[0].x);
    LogoParams far_apart = Text("ABC");
    far_apart.spacing = 1000000;  // the second glyph lands a million pixels away
    const struct {
        const char* what;
        LogoParams lt, stand_in;
    } cases[] = {
        {"size 0 renders one pixel high", Text("Hi", 0), Text("Hi", 1)},
        {"so does a negative size", Text("Hi", -40), Text("Hi", 1)},
        {"a bend needs rotation switched on too", bend_alone, Text("Bend")},
        {"an unknown face is the first text font", unknown_face, Text("Face")},
        {"text fields do not apply to a shape", shape_with_text, Shape(36, 100, 50)},
        {"overlapping glyphs combine by maximum", overlapping, Text("l")},
        {"glyphs past the size bound are cut", far_apart, Text("A")},
        {"a glyph too large for the bound is left out", Text("W", 20000), Text("")},
    };
    for (const auto& c : cases)
        for (const int effects : {0, 1})
            EXPECT_TRUE(SameRender(Rendered(c.lt, 0, effects), Rendered(c.stand_in, 0, effects)))
                << c.what << (effects ? " with effects" : "");
    EXPECT_LE(Rendered(Text("Hi", 1)).szy, 6);
}

TEST_F(Layout, Renders499BytesAndCutsLongerTextAfterTheReport) {
    const std::string text(499, 'i');
    const FtText full = Rendered(Text(text, 3));
    EXPECT_EQ(full.slen, 499);
    EXPECT_TRUE(rec.reports.empty());
    const FtText over = Rendered(Text(text + "iiiiiiiiii", 3));
    EXPECT_EQ(rec.FailedExpressions(), std::vector<std::string>{"slen<500"});
    rec.reports.clear();
    EXPECT_TRUE(SameRender(full, over));
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
        const FtText ft = Rendered(c.lt, 0, 1);
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
        EXPECT_TRUE(SameRender(ft, Rendered(kept, 0, 1))) << c.what;
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
        const FtText ft = Rendered(lt, 0, 1);
        std::vector<std::uint32_t> out(200 * 200, 0xFFFFFF);
        ft.BltToBuf(lt, out.data(), 200, 200, 100, 100, 1, 1);
        EXPECT_TRUE(WithinObjectBound(ft.szx, ft.szy)) << v;
        rec.reports.clear();  // a box past the window may be reported
    }
}

// Effects are blurred only for an object that has one.
TEST_F(Layout, NoEffectNoBlur) {
    EXPECT_TRUE(Rendered(Text("."), 0, 1).eff.empty());
}

// Rendered larger for export, the glyphs are drawn at the scaled size along the
// line's on-screen pens, with their turns: the box, its margin for the effects
// and the pens grow with the scale, in a fitting mode too, and a kerned line
// with extra spacing and a bent one keep their places. (That the effects grow
// with them, shadow distance and blur spread, the export's scale-fidelity test
// shows.)
TEST_F(Layout, ScaledTheBoxAndThePensGrowAndTheTurnsStay) {
    LogoParams kerned = Text("AVATAR WAVE", 23);  // kerned pairs at a small size
    kerned.spacing = 3;
    LogoParams bent = Text("Around the arc", 40);
    bent.has_transform = bent.has_bend = 1;
    bent.bend = 0.8f;
    const struct {
        LogoParams lt;
        int mode, effects;
    } cases[] = {{Text("Scaled", 40), 0, 1}, {Text("Wg", 30), 2, 0}, {kerned, 0, 0}, {bent, 0, 0}};
    for (const auto& c : cases) {
        const FtText one = Rendered(c.lt, c.mode, c.effects);
        for (const double scale : {0.5, 2.0, 3.0, 4.5}) {
            SCOPED_TRACE(c.lt.str + " at " + std::to_string(scale));
            const FtText big = Rendered(c.lt, c.mode, c.effects, static_cast<float>(scale));
            EXPECT_NEAR(big.szx, one.szx * scale, 2 * scale + 2);
            EXPECT_NEAR(big.szy, one.szy * scale, 2 * scale + 2);
            EXPECT_NEAR(big.org_x, one.org_x * scale, 2 * scale + 2);
            EXPECT_NEAR(big.org_y, one.org_y * scale, 2 * scale + 2);
            const auto &p = big.gp, &q = one.gp;  // the pens scaled and on screen
            ASSERT_EQ(p.size(), q.size());
            for (std::size_t n = 1; n < q.size(); ++n) {
                EXPECT_NEAR(p[n].x - p[0].x, scale * (q[n].x - q[0].x), scale + 1) << n;
                EXPECT_NEAR(p[n].y - p[0].y, scale * (q[n].y - q[0].y), scale + 1) << n;
                EXPECT_EQ(p[n].matrix.xy, q[n].matrix.xy) << n;
            }
        }
    }
}

TEST(FontCatalogue, FindsCategoriesIgnoringCaseAndZeroForUnknownOrSymbolFaces) {
    const std::pair<std::string, int> cases[] = {
        {test::SANS, 0},     {"dejavu sans bold", 1}, {"DEJAVU SERIF BOOK", 0},
        {"No Such Face", 0}, {test::SYMBOLS, 0},      {"", 0},
    };
    for (const auto& [name, cat] : cases) EXPECT_EQ(FontCategory(name), cat) << name;
}

TEST(FontCatalogue, ListsTheFacesOfOneCategoryInLoadOrder) {
    EXPECT_EQ(FontsInCategory(0), (std::vector<std::string>{test::SANS, test::SERIF}));
    EXPECT_EQ(FontsInCategory(1), (std::vector<std::string>{test::SANS_BOLD}));
    EXPECT_TRUE(FontsInCategory(5).empty());
    EXPECT_STREQ(FontCategoryTab(0), "A - A");
    EXPECT_STREQ(FontCategoryTab(10), "T - Z");
    EXPECT_STREQ(FontCategoryTab(11), "");
}

TEST(FontCatalogue, SelectsTheFirstItemBeginningWithTheName) {
    const std::vector<std::string> items{test::SANS, test::SERIF, test::SANS_BOLD};
    const std::pair<const char*, int> cases[] = {
        {"dejavu sans", 0}, {"DejaVu Sans Bold", 2}, {"dejavu se", 1}, {"Arial", -1}};
    for (const auto& [name, index] : cases) EXPECT_EQ(FindFontItem(items, name), index) << name;
}

// The cached index first, then a search by glyph that refreshes a stale or
// impossible one; a shape of another face is not in the library.
TEST(ShapeIndex, CachedIndexFirstThenASearchThatRefreshesIt) {
    ASSERT_GT(FtText::ShapeCount(), 6);
    auto o = test::ShapeObject(FtText::Shape(5).glyph, 40, 40, 0, 0);
    for (const int cached : {5, 2, 1 << 20}) {
        o->lib_index = cached;
        EXPECT_EQ(ShapeIndexOf(*o), 5) << cached;
        EXPECT_EQ(o->lib_index, 5) << cached;
    }
    o->lt.font = "No Such Face";
    EXPECT_EQ(ShapeIndexOf(*o), -1);
}

}  // namespace
}  // namespace vx
