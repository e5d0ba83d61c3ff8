#pragma once

// The main window with a text object (current) and a shape object, and
// helpers that drive the property bars as a user would.

#include <QCheckBox>
#include <QPoint>
#include <functional>

#include "WindowFixture.h"
#include "support/Documents.h"
#include "ui/bars/NumberTrio.h"

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
