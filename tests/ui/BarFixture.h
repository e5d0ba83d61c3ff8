#pragma once

// The main window with a text object (current) and a shape object, and
// helpers that drive the property bars as a user would.

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPoint>
#include <QPushButton>
#include <QTest>
#include <functional>

#include "WindowFixture.h"
#include "session/CommandIds.h"
#include "support/Documents.h"
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
    void SetUp() override;

    // The open bar as its class.
    template <class B>
    B* Bar() const {
        return dynamic_cast<B*>(w->bar());
    }
    LogoParams& Cur() const { return w->lf.obj[w->lf.cur]->lt; }
    void SelectShape() const;

    // Drags the slider from its middle to column x (a press alone sets nothing).
    static void DragSlider(NumberTrio* t, int x);
    static void DragSliderToEnd(NumberTrio* t, bool right);
    // Clicks the trio's up (delta > 0) or down arrow |delta| times.
    static void Spin(NumberTrio* t, int delta);
    // Runs `act` on the modal dialog that `open` brings up, once it is up.
    static void WithModal(const std::function<void(QWidget*)>& act,
                          const std::function<void()>& open);
    static void Key(QWidget* bar, int key);
};

}  // namespace vx::test
