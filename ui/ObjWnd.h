#pragma once

// The current-object preview: the current object alone, centred on a
// checkerboard, inside a sunken frame. Dragging across it resizes the object:
// to the left enlarges, to the right shrinks; the release is one undo step
// (none while a property bar is open).

#include <QWidget>

#include "document/LeFile.h"
#include "session/DragRules.h"

namespace vx {

class CZebDlg;

class ObjWnd : public QWidget {
    Q_OBJECT
public:
    explicit ObjWnd(CZebDlg* mw, QWidget* parent = nullptr);

    LeFile* le = nullptr;
    bool bar_modal = false;

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    CZebDlg* mw_;
    bool dragging_ = false;
    ResizeDrag drag_;
};

}  // namespace vx
