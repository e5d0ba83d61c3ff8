// The object library's grid and click rules and the style row's rules, over
// the packed test fonts (the shape table is the symbol face's glyphs).

#include <gtest/gtest.h>

#include "render/FtText.h"
#include "session/NewObject.h"
#include "session/ObjLibRules.h"
#include "session/Session.h"
#include "session/StyleRow.h"
#include "support/Recorders.h"
#include "support/TestFonts.h"

namespace vx {
namespace {

void ExpectSame(const HslF& a, const HslF& b) {
    EXPECT_EQ(a.h, b.h);
    EXPECT_EQ(a.s, b.s);
    EXPECT_EQ(a.l, b.l);
}

// 200 x 90: five columns, three painted rows, two of them full.
TEST(ObjLibGrid, PartialRowShowsTheNextPageAndTheTableEndShowsShapeZero) {
    const ShapePages p = PageShapes(200, 90, 95, -1);
    EXPECT_EQ(p.columns, 5);
    EXPECT_EQ(PaintedRows(90), 3);
    EXPECT_EQ(p.itmpp, 10);
    EXPECT_EQ(p.pages, 9);
    for (int ni = 10; ni < 15; ++ni) EXPECT_EQ(CellShape(p, ni, 95), ni);

    ShapePages last = p;
    last.page = 8;
    EXPECT_EQ(CellShape(last, 14, 95), 94);  // 90..94 only in page 8's partial row
    EXPECT_EQ(CellShape(last, 14, 93), 0);   // past the end: the filler
    last.sel = 14;
    EXPECT_EQ(ClickedShape(last, 95), 94);
    EXPECT_EQ(ClickedShape(last, 93), -1);
    last.sel = -1;
    EXPECT_EQ(ClickedShape(last, 95), -1);

    struct Hit {
        int x, y, cell;
    };
    for (const Hit& h : {Hit{0, 0, 0}, Hit{199, 89, 14}, Hit{45, 41, 6}, Hit{200, 0, -1},
                         Hit{0, 90, -1}, Hit{-1, 5, -1}})
        EXPECT_EQ(LibCellAt(p, h.x, h.y, 200, 90), h.cell) << h.x << "," << h.y;
    EXPECT_EQ(LibCellAt(PageShapes(50, 90, 95, -1), 5, 5, 50, 90), -1);  // too small to page
}

TEST(ObjLibGrid, SelectionFollowsTheShapeToItsPageOrClearsWhenItHasNone) {
    ShapePages p = PageShapes(200, 90, 95, -1);
    EXPECT_EQ(SelectShape(p, 35), 3);
    EXPECT_EQ(p.page, 3);
    EXPECT_EQ(p.sel, 5);
    EXPECT_EQ(SelectShape(p, 35), -1);  // already selected
    EXPECT_EQ(SelectShape(p, 37), -1);  // same page
    EXPECT_EQ(p.sel, 7);
    EXPECT_EQ(SelectShape(p, 92), -1);  // page 9 does not exist
    EXPECT_EQ(p.page, 3);
    EXPECT_EQ(p.sel, -1);
}

class LibraryClickTest : public test::RecordingTest {
protected:
    const SymEntry& shape = FtText::Shape(5);
    Session s;

    static LogoParams Styled() {
        LogoParams lt;
        lt.color = {40, 200, 100};
        lt.has_outline = lt.has_shadow = 1;
        lt.outline_color = {100, 100, 100};
        lt.strength = 4;
        lt.grad = 1;
        lt.grad_color1 = {7, 8, 9};
        return lt;
    }
};

TEST_F(LibraryClickTest, OnATextObjectAddsAShapeWithItsColoursButNoEffects) {
    auto text = NewObject(TEXT_OBJECT);
    text->lt = Styled();
    text->lt.str = "Acme";
    s.lf.AddObj(std::move(text));
    s.Track();

    ASSERT_TRUE(PutLibraryShape(s, shape.font, shape.glyph));
    ASSERT_EQ(s.lf.objs, 2);
    ASSERT_EQ(s.lf.cur, 1);
    const LogoParams& lt = s.lf.obj[1]->lt;
    EXPECT_EQ(s.lf.obj[1]->type, SHAPE_OBJECT);
    EXPECT_EQ(lt.font, shape.font);
    EXPECT_EQ(lt.shape, shape.glyph);
    ExpectSame(lt.color, Styled().color);
    ExpectSame(lt.grad_color1, Styled().grad_color1);
    EXPECT_EQ(lt.strength, 4);
    EXPECT_EQ(lt.has_outline, 0);
    EXPECT_EQ(lt.has_shadow, 0);
    EXPECT_EQ(lt.width, lt.size);
    EXPECT_EQ(s.lf.obj[0]->lt.str, "Acme");  // the text is left alone
    EXPECT_TRUE(s.Undo());
    EXPECT_EQ(s.lf.objs, 1);
}

TEST_F(LibraryClickTest, OnAShapeChangesOnlyItsGlyphAndMakesItSquare) {
    auto o = NewObject(SHAPE_OBJECT);
    o->lt = Styled();
    o->lt.font = test::SYMBOLS;
    o->lt.shape = 40;
    o->lt.width = 90;
    o->lt.size = 30;
    o->lt.angle = 0.25f;
    s.lf.AddObj(std::move(o));

    ASSERT_TRUE(PutLibraryShape(s, shape.font, shape.glyph));
    ASSERT_EQ(s.lf.objs, 1);
    const LogoParams& lt = s.lf.obj[0]->lt;
    EXPECT_EQ(lt.shape, shape.glyph);
    EXPECT_EQ(lt.has_outline, 1);
    EXPECT_EQ(lt.angle, 0.25f);
    EXPECT_EQ(lt.width, 90);
    EXPECT_EQ(lt.size, 90);
}

TEST_F(LibraryClickTest, InAnEmptyLogoCreatesTheFirstShapeAndInAFullOneNothing) {
    ASSERT_TRUE(PutLibraryShape(s, shape.font, shape.glyph));
    ASSERT_EQ(s.lf.objs, 1);
    EXPECT_EQ(s.lf.obj[0]->lt.shape, shape.glyph);
    EXPECT_EQ(s.lf.obj[0]->lt.has_outline, LogoParams{}.has_outline);

    s.lf.Clear();
    for (int n = 0; n < MAX_OBJS; ++n) s.lf.AddObj(NewObject(TEXT_OBJECT));
    EXPECT_FALSE(PutLibraryShape(s, shape.font, shape.glyph));
    EXPECT_EQ(s.lf.objs, MAX_OBJS);
}

TEST(StyleRowRules, TenButtonsSpreadTheHueAndWrapBy239) {
    for (int n = 0; n < 10; ++n) EXPECT_NEAR(StyleHueOffset(n, 10), 23.9 * n, 1e-3) << n;
    LogoParams style;
    style.color.h = 230;
    style.shadow_color.h = 10;
    EXPECT_NEAR(StyleVariant(style, 1, 10).color.h, 14.9f, 1e-3);
    EXPECT_NEAR(StyleVariant(style, 1, 10).shadow_color.h, 33.9f, 1e-3);
    EXPECT_EQ(StyleVariant(style, 0, 10).color.h, 230.0f);  // button 0 shows the stored style
}

TEST(StyleRowRules, PreviewIsTheStarburstAndLightensOnlyWhenLit) {
    LogoParams style;
    style.color = {10, 100, 60};
    style.outline_color = {10, 100, 220};
    style.str = "Acme";
    const LogoParams plain = StylePreview(style, false);
    EXPECT_EQ(plain.shape, 19);
    EXPECT_EQ(plain.size, 24);
    ExpectSame(plain.color, style.color);
    const LogoParams lit = StylePreview(style, true);
    EXPECT_EQ(lit.color.l, 110.0f);
    EXPECT_EQ(lit.outline_color.l, 240.0f);  // clamped
    EXPECT_EQ(lit.color.h, 10.0f);
}

TEST_F(LibraryClickTest, AStyleKeepsTextAndTransformAndReachesBitmapsToo) {
    auto text = NewObject(TEXT_OBJECT);
    text->lt.str = "Acme";
    text->lt.angle = 0.125f;
    text->lt.has_transform = 1;
    text->lt.size = 70;
    const std::string face = text->lt.font;
    s.lf.AddObj(std::move(text));
    const LogoParams style = Styled();

    ASSERT_TRUE(ApplyStyle(s, style));
    const LogoParams& lt = s.lf.obj[0]->lt;
    ExpectSame(lt.color, style.color);
    EXPECT_EQ(lt.has_outline, 1);
    EXPECT_EQ(lt.str, "Acme");
    EXPECT_EQ(lt.font, face);
    EXPECT_EQ(lt.angle, 0.125f);
    EXPECT_EQ(lt.has_transform, 1);
    EXPECT_EQ(lt.size, 70);

    s.lf.AddObj(test::BitmapObject(0, 0, 4, 4));
    ASSERT_TRUE(ApplyStyle(s, style));
    ExpectSame(s.lf.obj[1]->lt.color, style.color);

    Session empty;
    EXPECT_FALSE(ApplyStyle(empty, style));
    EXPECT_EQ(empty.utrack.undoes, 0);
}

}  // namespace
}  // namespace vx
