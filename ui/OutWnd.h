#pragma once

// The output window: the assembled logo centred on a textured background. A
// click picks the frontmost object under the mouse and a drag moves it; the
// drop is kept inside the window and recorded as one undo step (none while a
// property bar is open). It draws only the canvas the document assembled.

#include <QWidget>
#include <cstdint>
#include <vector>

#include "document/LeFile.h"

namespace vx {

class CZebDlg;
class ObjWnd;

class OutWnd : public QWidget {
    Q_OBJECT
public:
    OutWnd(CZebDlg* mw, ObjWnd* ow, QWidget* parent = nullptr);

    LeFile* le = nullptr;    // the document shown; set by UpdateOutWnd
    bool bar_modal = false;  // a property bar is open

    // Rebuilds the background texture for the current size.
    void UpdateBackground();
    // Where the canvas is drawn in the window.
    QRect CanvasRect() const;

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    // Re-assembles the canvas for the window less its margin and repaints both views.
    void Reassemble(int margin);
    QPoint DocPoint(QPoint p) const;

    CZebDlg* mw_;
    ObjWnd* ow_;
    std::vector<std::uint32_t> bg_;
    int bg_w_ = 0;
    int bg_h_ = 0;
    bool dragging_ = false;
    int drag_ = -1;
    int grab_dx_ = 0;
    int grab_dy_ = 0;
};

}  // namespace vx
