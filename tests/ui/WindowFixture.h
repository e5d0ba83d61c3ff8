#pragma once

// A main window over the test fonts, shown offscreen at a fixed size, with
// helpers that drive its widgets as a user would.

#include <gtest/gtest.h>

#include <QPoint>
#include <QTest>
#include <QWidget>
#include <memory>
#include <string>
#include <utility>

#include "support/Recorders.h"
#include "support/TestFonts.h"
#include "ui/CZebDlg.h"
#include "ui/OutWnd.h"

namespace vx::test {

// '1' or '0' per widget, enabled or not, so that an enabling reads as one string.
inline std::string Enabled(std::initializer_list<const QWidget*> widgets) {
    std::string flags;
    for (const QWidget* w : widgets) flags += w->isEnabled() ? '1' : '0';
    return flags;
}

// A document of `objects` in order, the last one current.
template <class... Objects>
LeFile Holding(Objects... objects) {
    LeFile lf;
    (lf.AddObj(std::move(objects)), ...);
    return lf;
}

class WindowTest : public RecordingTest {
protected:
    void SetUp() override {
        w = std::make_unique<CZebDlg>();
        w->resize(1000, 700);
        w->show();
        w->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    }
    void TearDown() override {
        w.reset();
        RecordingTest::TearDown();
    }

    // Puts objects into the document as a loaded project would and refreshes.
    void Show(LeFile doc) {
        w->lf = doc;
        w->utrack.Reset(w->lf);
        w->UpdateOutWnd();
        w->UpdateWndMenu();
        w->UpdateLibSel();
    }
    // The point of the output window over document point (x, y).
    QPoint OutPoint(int x, int y) const {
        return QPoint(x + w->out_wnd()->width() / 2, y + w->out_wnd()->height() / 2);
    }
    // Opens a stand-in property bar (a plain widget) through the bar protocol.
    void OpenBar() {
        w->SetBarFactory(BarKind::EFFECTS,
                         [](CZebDlg&, int) { return std::make_unique<QWidget>(); });
        w->EditEffects();
        ASSERT_NE(w->bar(), nullptr);
    }

    std::unique_ptr<CZebDlg> w;
};

}  // namespace vx::test
