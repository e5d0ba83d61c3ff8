#pragma once

// A main window over the test fonts, shown offscreen at a fixed size, with
// helpers that drive its widgets as a user would.

#include <gtest/gtest.h>

#include <QPoint>
#include <memory>
#include <string>
#include <utility>

#include "support/Recorders.h"
#include "ui/CZebDlg.h"

class QWidget;

namespace vx::test {

// '1' or '0' per widget, enabled or not, so that an enabling reads as one string.
std::string Enabled(std::initializer_list<const QWidget*> widgets);

// A document of `objects` in order, the last one current.
template <class... Objects>
LeFile Holding(Objects... objects) {
    LeFile lf;
    (lf.AddObj(std::move(objects)), ...);
    return lf;
}

class WindowTest : public RecordingTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Puts objects into the document as a loaded project would and refreshes.
    void Show(LeFile doc);
    // The point of the output window over document point (x, y).
    QPoint OutPoint(int x, int y) const;
    // Opens a stand-in property bar (a plain widget) through the bar protocol.
    void OpenBar();

    std::unique_ptr<CZebDlg> w;
};

}  // namespace vx::test
