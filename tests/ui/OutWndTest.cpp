#include <QImage>
#include <QTest>

#include "WindowFixture.h"
#include "support/TestFonts.h"
#include "ui/ObjWnd.h"
#include "ui/OutWnd.h"

namespace vx::test {
namespace {

// Two 100 x 40 boxes overlapping between x 0 and 50.
LeFile TwoOverlapping() {
    return Holding(BitmapObject(-25, 0, 100, 40, 0xFFCC3333),
                   BitmapObject(25, 0, 100, 40, 0xFF3333CC));
}

TEST_F(WindowTest, PickTakesTheFrontObjectAndTheEdgesHit) {
    Show(TwoOverlapping());
    OutWnd* out = w->out_wnd();
    const struct { int x, y, cur; } cases[] = {{10, 0, 1}, {-75, -20, 0}, {75, 20, 1}, {-75, 0, 0}};
    for (const auto& c : cases) {
        w->lf.cur = -1;
        QTest::mouseClick(out, Qt::LeftButton, {}, OutPoint(c.x, c.y));
        EXPECT_EQ(w->lf.cur, c.cur) << c.x << "," << c.y;
    }
    const int undoes = w->utrack.undoes;
    w->lf.cur = 0;
    QTest::mouseClick(out, Qt::LeftButton, {}, OutPoint(76, 0));  // beyond the right edge: nothing
    EXPECT_EQ(w->lf.cur, 0);
    EXPECT_EQ(w->utrack.undoes, undoes);
}

TEST_F(WindowTest, ADragMovesWithTheGrabOffsetAndIsOneUndoStepClampedOnRelease) {
    Show(TwoOverlapping());
    OutWnd* out = w->out_wnd();
    QTest::mousePress(out, Qt::LeftButton, {}, OutPoint(-60, 5));  // 35 left of object 0's centre
    QTest::mouseMove(out, OutPoint(-40, 15));
    EXPECT_EQ(w->lf.obj[0]->x, -5);
    EXPECT_EQ(w->lf.obj[0]->y, 10);
    EXPECT_EQ(w->utrack.undoes, 0);
    QTest::mouseMove(out, QPoint(-4000, 9000));
    QTest::mouseRelease(out, Qt::LeftButton, {}, QPoint(-4000, 9000));
    EXPECT_EQ(w->lf.obj[0]->x, -(out->width() / 2));
    EXPECT_EQ(w->lf.obj[0]->y, out->height() - out->height() / 2);
    EXPECT_EQ(w->utrack.undoes, 1);
    ASSERT_TRUE(w->s.Undo());
    EXPECT_EQ(w->lf.obj[0]->x, -25);
}

TEST_F(WindowTest, WhileABarIsOpenAClickKeepsTheCurrentObjectAndADragRecordsNothing) {
    Show(TwoOverlapping());
    w->lf.cur = 1;
    OpenBar();
    OutWnd* out = w->out_wnd();
    QTest::mousePress(out, Qt::LeftButton, {}, OutPoint(-60, 0));
    QTest::mouseMove(out, OutPoint(-50, 0));
    QTest::mouseRelease(out, Qt::LeftButton, {}, OutPoint(-50, 0));
    EXPECT_EQ(w->lf.cur, 1);
    EXPECT_EQ(w->lf.obj[0]->x, -15);  // dragged all the same
    EXPECT_EQ(w->utrack.undoes, 0);
}

TEST_F(WindowTest, TheOutputWindowShowsTheEnginesCanvasPixelForPixel) {
    LeFile lf = Holding(TextObject("Logo", SANS, 60, 0, 0));
    lf.obj[0]->lt.has_shadow = 1;
    Show(lf);
    const QImage shown = w->out_wnd()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRect c = w->out_wnd()->CanvasRect();
    const ObjectBitmap& ob = LeFile::ob;
    ASSERT_GT(ob.dw, 0);
    int differing = 0;
    for (int y = 0; y < ob.dh; ++y)
        for (int x = 0; x < ob.dw; ++x)
            if ((shown.pixel(c.left() + x, c.top() + y) & 0xFFFFFF) !=
                ob.dta[static_cast<std::size_t>(y) * ob.dw + x])
                ++differing;
    EXPECT_EQ(differing, 0);
    // The automatic canvas is framed just outside.
    EXPECT_EQ(shown.pixel(c.left() - 1, c.top() + 5) & 0xFFFFFF, 0x3F738Du);
}

TEST_F(WindowTest, PreviewResizeKeepsEachValueInsideItsLimitsAndIsOneUndoStep) {
    Show(Holding(ShapeObject(40, 2500, 6, 0, 0)));
    ObjWnd* ow = w->obj_wnd();
    const int W = ow->width();
    QTest::mousePress(ow, Qt::LeftButton, {}, QPoint(W / 2, 10));
    QTest::mouseMove(ow, QPoint(1, 10));  // nearly half the width to the left: x 1.5
    const LogoParams& lt = w->lf.obj[0]->lt;
    EXPECT_EQ(lt.width, 2500);  // 3700 and more is refused
    EXPECT_GT(lt.size, 6);
    QTest::mouseMove(ow, QPoint(W, 10));  // the edge itself is ignored
    QTest::mouseRelease(ow, Qt::LeftButton, {}, QPoint(W, 10));
    EXPECT_EQ(w->utrack.undoes, 1);

    w->lf.cur = -1;  // as a project may be saved: no drag, and no fault
    QTest::mousePress(ow, Qt::LeftButton, {}, QPoint(W / 2, 10));
    QTest::mouseMove(ow, QPoint(1, 10));
    QTest::mouseRelease(ow, Qt::LeftButton, {}, QPoint(1, 10));
    EXPECT_EQ(w->utrack.undoes, 1);
}

}  // namespace
}  // namespace vx::test
