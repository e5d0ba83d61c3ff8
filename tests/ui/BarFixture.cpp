#include "BarFixture.h"

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <cstdlib>

#include "render/FtText.h"
#include "support/TestFonts.h"
#include "ui/bars/SpinButton.h"
#include "ui/controls/Slider.h"

namespace vx::test {

void BarTest::SetUp() {
    WindowTest::SetUp();
    const SymEntry& shape = FtText::Shape(0);
    LeFile lf =
        Holding(TextObject("Title", SANS, 40, 0, -30), ShapeObject(shape.glyph, 60, 60, 0, 30));
    lf.obj[1]->lt.font = shape.font;
    lf.cur = 0;
    Show(std::move(lf));
}

void BarTest::SelectShape() const {
    w->lf.cur = 1;
    w->UpdateOutWnd();
}

void BarTest::DragSlider(NumberTrio* t, int x) {
    Slider* s = t->slider();
    const QPoint from(s->width() / 2, 5);
    QTest::mousePress(s, Qt::LeftButton, {}, from);
    QTest::mouseMove(s, QPoint(x, 5));
    QTest::mouseRelease(s, Qt::LeftButton, {}, QPoint(x, 5));
}

void BarTest::DragSliderToEnd(NumberTrio* t, bool right) {
    DragSlider(t, right ? t->slider()->width() + 50 : -50);
}

void BarTest::Spin(NumberTrio* t, int delta) {
    const QList<QToolButton*> arrows = t->spin()->findChildren<QToolButton*>();
    ASSERT_EQ(arrows.size(), 2);
    for (int k = 0; k < std::abs(delta); ++k) arrows[delta > 0 ? 0 : 1]->click();
}

void BarTest::WithModal(const std::function<void(QWidget*)>& act,
                        const std::function<void()>& open) {
    QTimer::singleShot(0, [act] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        act(modal);
    });
    open();
}

void BarTest::Key(QWidget* bar, int key) {
    QTest::keyClick(bar, static_cast<Qt::Key>(key));
}

}  // namespace vx::test
