#include "WindowFixture.h"

#include <QApplication>
#include <QTest>

#include "support/TestFonts.h"
#include "ui/OutWnd.h"

namespace vx::test {

std::string Enabled(std::initializer_list<const QWidget*> widgets) {
    std::string flags;
    for (const QWidget* w : widgets) flags += w->isEnabled() ? '1' : '0';
    return flags;
}

void WindowTest::SetUp() {
    w = std::make_unique<CZebDlg>();
    w->resize(1000, 700);
    w->show();
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
}

void WindowTest::TearDown() {
    w.reset();
    RecordingTest::TearDown();
}

void WindowTest::Show(LeFile doc) {
    w->lf = doc;
    w->utrack.Reset(w->lf);
    w->UpdateOutWnd();
    w->UpdateWndMenu();
    w->UpdateLibSel();
}

QPoint WindowTest::OutPoint(int x, int y) const {
    return QPoint(x + w->out_wnd()->width() / 2, y + w->out_wnd()->height() / 2);
}

void WindowTest::OpenBar() {
    w->SetBarFactory(BarKind::EFFECTS, [](CZebDlg&, int) { return std::make_unique<QWidget>(); });
    w->EditEffects();
    ASSERT_NE(w->bar(), nullptr);
}

}  // namespace vx::test
