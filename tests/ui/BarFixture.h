#pragma once

// The main window with a text object (current) and a shape object, and
// helpers that drive the property bars as a user would.

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <cstdlib>
#include <functional>

#include "WindowFixture.h"
#include "render/FtText.h"
#include "session/CommandIds.h"
#include "support/Documents.h"
#include "ui/bars/SpinButton.h"
#include "ui/controls/Slider.h"
// The bars under test.
#include "ui/bars/ColorBar.h"
#include "ui/bars/ColorBtn.h"
#include "ui/bars/EffectsBar.h"
#include "ui/bars/GradientBar.h"
#include "ui/bars/ImageBar.h"
#include "ui/bars/Imopt.h"
#include "ui/bars/LogoBar.h"
#include "ui/bars/NumberTrio.h"
#include "ui/bars/TextBar.h"
#include "ui/bars/TransformBar.h"

namespace vx::test {

class BarTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        const SymEntry& shape = FtText::Shape(0);
        LeFile lf =
            Holding(TextObject("Title", SANS, 40, 0, -30), ShapeObject(shape.glyph, 60, 60, 0, 30));
        lf.obj[1]->lt.font = shape.font;
        lf.cur = 0;
        Show(std::move(lf));
    }

    // The open bar as its class.
    template <class B>
    B* Bar() const {
        return dynamic_cast<B*>(w->bar());
    }
    LogoParams& Cur() const { return w->lf.obj[w->lf.cur]->lt; }
    void SelectShape() const {
        w->lf.cur = 1;
        w->UpdateOutWnd();
    }

    // Drags the slider from its middle to column x (a press alone sets nothing).
    static void DragSlider(NumberTrio* t, int x) {
        Slider* s = t->slider();
        QTest::mousePress(s, Qt::LeftButton, {}, QPoint(s->width() / 2, 5));
        QTest::mouseMove(s, QPoint(x, 5));
        QTest::mouseRelease(s, Qt::LeftButton, {}, QPoint(x, 5));
    }
    static void DragSliderToEnd(NumberTrio* t, bool right) {
        DragSlider(t, right ? t->slider()->width() + 50 : -50);
    }
    // Clicks the trio's up (delta > 0) or down arrow |delta| times.
    static void Spin(NumberTrio* t, int delta) {
        const QList<QToolButton*> arrows = t->spin()->findChildren<QToolButton*>();
        ASSERT_EQ(arrows.size(), 2);
        for (int k = 0; k < std::abs(delta); ++k) arrows[delta > 0 ? 0 : 1]->click();
    }
    // Runs `act` on the modal dialog that `open` brings up, once it is up.
    static void WithModal(const std::function<void(QWidget*)>& act,
                          const std::function<void()>& open) {
        QTimer::singleShot(0, [act] {
            QWidget* modal = QApplication::activeModalWidget();
            ASSERT_NE(modal, nullptr);
            act(modal);
        });
        open();
    }
    static void Key(QWidget* bar, int key) { QTest::keyClick(bar, static_cast<Qt::Key>(key)); }
};

}  // namespace vx::test
