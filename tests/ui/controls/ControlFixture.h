#pragma once

// A shown top-level window to put controls in, with fatal reports recorded.

#include <QApplication>
#include <QCursor>
#include <QImage>
#include <QMouseEvent>
#include <QTest>
#include <QWidget>

#include <algorithm>
#include <cstdlib>

#include "render/Random.h"
#include "support/Recorders.h"

namespace vx::test {

class ControlTest : public RecordingTest {
protected:
    void SetUp() override {
        host.resize(400, 120);
        host.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
    }

    // Places `w` (a child of `host`) and lets it paint.
    template <class W>
    W& Place(W& w, QRect geometry) {
        w.setGeometry(geometry);
        w.show();
        return w;
    }

    // The cursor far from every control, as after leaving the window.
    static void CursorAway() { QCursor::setPos(QPoint(5000, 5000)); }
    // The cursor moved over `w` at `pos`: where the timer finds it, and the move
    // the control receives.
    static void MoveOver(QWidget& w, QPoint pos) {
        QCursor::setPos(w.mapToGlobal(pos));
        QMouseEvent move(QEvent::MouseMove, pos, w.mapToGlobal(pos), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(&w, &move);
    }

    // What `w` shows. The engine dithers gradients from its generator: seeded
    // here, the same control in the same state draws the same pixels.
    static QImage Grab(QWidget& w) {
        EngineRandom().Seed(1);
        return w.grab().toImage().convertToFormat(QImage::Format_RGB32);
    }

    // The largest difference of one channel between two pictures of one size.
    static int MaxDifference(const QImage& a, const QImage& b) {
        if (a.size() != b.size()) return 256;
        int most = 0;
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x) {
                const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
                most = std::max({most, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                 std::abs(qBlue(p) - qBlue(q))});
            }
        return most;
    }

    QWidget host;
};

}  // namespace vx::test
