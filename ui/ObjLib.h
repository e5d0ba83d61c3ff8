#pragma once

// The object library: the shape table as a paged grid of 40-pixel cells in the
// main window's left column. A page is rendered once (ShapeCells); hovering and
// painting only copy cells. Hover follows the panel's own 30 ms timer, started
// at the first paint. A press on a cell selects it and reports clicked(); the
// main window decides what the chosen shape does. A disabled panel ignores the
// mouse and the timer.

#include <QWidget>

#include "session/ShapePaging.h"
#include "ui/controls/ShapeCells.h"

class QTimer;

namespace vx {

class ObjLib : public QWidget {
    Q_OBJECT

public:
    static constexpr int HOVER_MS = 30;

    explicit ObjLib(QWidget* parent = nullptr);

    // Pages the shape table for the panel's size, on page `page`, or on the
    // page of shape `sn` (selected) when `sn` is not -1, and renders it. A
    // panel under 60 pixels either way keeps its old pages; false then.
    bool UpdatePage(int page, int sn = -1);
    // Selects shape `sn`, taking its page when it is off the page shown
    // (rendered at once). Returns the new page, or -1 when the page stayed.
    int UpdSel(int sn);

    const ShapePages& pages() const { return p_; }
    int hover() const { return hover_; }
    // The shape-table entry the last press chose; -1 for none.
    int ClickedShape() const;
    // The centre of cell `ni` of the page, for tests.
    QPoint CellCentre(int ni) const;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    void FollowCursor(QPoint pos);

    ShapePages p_;
    ShapeCells cells_;
    int hover_ = -1;
    QTimer* timer_ = nullptr;
};

}  // namespace vx
