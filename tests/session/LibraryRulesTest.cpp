// The object library's grid and click rules and the style row's rules, over
// the packed test fonts (the shape table is the symbol face's glyphs).

#include <gtest/gtest.h>

#include "render/FtText.h"
#include "session/NewObject.h"
#include "session/ObjLibRules.h"
#include "session/ShippedFaces.h"
#include "session/StyleRow.h"
#include "support/SessionFixture.h"
#include "support/TestFonts.h"

namespace vx {
namespace {

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

// Clicks on the library and the style row; the style rules themselves (which
// fields, the hue shift) are the document's.
class LibraryClickTest : public test::SessionTest {
protected:
    const SymEntry& shape = FtText::Shape(5);

    static LogoParams Styled() {
        LogoParams lt;
        lt.color = {40, 200, 100};
        lt.has_outline = lt.has_shadow = 1;
        return lt;
    }
    // A new object of `type` in the style above, made current.
    LogoParams& AddStyled(int type) {
        auto o = NewObject(type);
        o->lt = Styled();
        s.lf.AddObj(std::move(o));
        return s.lf.obj[s.lf.cur]->lt;
    }
};

TEST_F(LibraryClickTest, OnATextObjectAddsAShapeWithItsColoursButNoEffects) {
    AddStyled(TEXT_OBJECT);
    s.Track();
    ASSERT_TRUE(PutLibraryShape(s, shape.font, shape.glyph));
    ASSERT_EQ(s.lf.objs, 2);
    ASSERT_EQ(s.lf.cur, 1);
    const LogoParams& lt = s.lf.obj[1]->lt;
    EXPECT_EQ(s.lf.obj[1]->type, SHAPE_OBJECT);
    EXPECT_EQ(lt.font, shape.font);
    EXPECT_EQ(lt.shape, shape.glyph);
    EXPECT_EQ(lt.color.s, 200.0f);
    EXPECT_EQ(lt.has_outline, 0);
    EXPECT_TRUE(s.Undo());
    EXPECT_EQ(s.lf.objs, 1);
}

TEST_F(LibraryClickTest, OnAShapeChangesOnlyItsGlyphAndMakesItSquare) {
    LogoParams& before = AddStyled(SHAPE_OBJECT);
    before.width = 90;
    before.size = 30;
    ASSERT_TRUE(PutLibraryShape(s, shape.font, shape.glyph));
    ASSERT_EQ(s.lf.objs, 1);
    const LogoParams& lt = s.lf.obj[0]->lt;
    EXPECT_EQ(lt.shape, shape.glyph);
    EXPECT_EQ(lt.has_outline, 1);
    EXPECT_EQ(lt.width, 90);
    EXPECT_EQ(lt.size, 90);
}

TEST_F(LibraryClickTest, InAnEmptyLogoCreatesTheFirstShape) {
    ASSERT_TRUE(PutLibraryShape(s, shape.font, shape.glyph));
    ASSERT_EQ(s.lf.objs, 1);
    EXPECT_EQ(s.lf.obj[0]->lt.shape, shape.glyph);
}

// Ten buttons 23.9 apart; 230 wraps to 14.9. Button 0 shows the stored style.
TEST(StyleRowRules, TenButtonsSpreadTheHueRoundTheWheel) {
    LogoParams style;
    style.color.h = 230;
    for (const auto& [n, hue] : {std::pair{0, 230.0f}, {1, 14.9f}, {9, 206.1f}})
        EXPECT_NEAR(StyleVariant(style, n, 10).color.h, hue, 1e-3) << n;
}

TEST(StyleRowRules, PreviewIsTheStarburstAndLightensOnlyWhenLit) {
    LogoParams style;
    style.color = {10, 100, 60};
    style.outline_color = {10, 100, 220};
    const LogoParams plain = StylePreview(style, false);
    EXPECT_EQ(plain.font, NEW_SHAPE_FACE);
    EXPECT_EQ(plain.shape, NEW_SHAPE_GLYPH);
    EXPECT_EQ(plain.size, 24);
    EXPECT_EQ(plain.color.l, 60.0f);
    const LogoParams lit = StylePreview(style, true);
    EXPECT_EQ(lit.color.l, 110.0f);
    EXPECT_EQ(lit.outline_color.l, 240.0f);  // clamped
}

TEST_F(LibraryClickTest, AStyleReachesTheCurrentObjectOfAnyKindAndKeepsItsText) {
    test::AddObjectsOfKinds(s.lf, {TEXT_OBJECT});
    ASSERT_TRUE(ApplyStyle(s, Styled()));
    const LogoParams& lt = s.lf.obj[0]->lt;
    EXPECT_EQ(lt.color.s, 200.0f);
    EXPECT_EQ(lt.has_outline, 1);
    EXPECT_EQ(lt.str, "obj0");

    s.lf.AddObj(test::BitmapObject(0, 0, 4, 4));
    ASSERT_TRUE(ApplyStyle(s, Styled()));
    EXPECT_EQ(s.lf.obj[1]->lt.color.s, 200.0f);
    EXPECT_EQ(s.utrack.undoes, 2);

    Session empty;
    EXPECT_FALSE(ApplyStyle(empty, Styled()));
    EXPECT_EQ(empty.utrack.undoes, 0);
}

}  // namespace
}  // namespace vx
