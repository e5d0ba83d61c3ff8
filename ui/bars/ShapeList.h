#pragma once

// The image bar's paged thumbnail list of the shape table: 40-pixel cells,
// each shape rendered once per page by the engine in the library colours, the
// selected or hovered cell in the darker colouring. A press on a cell selects
// it and reports chosen().

#include <QWidget>

#include "session/ShapePaging.h"
#include "ui/controls/ShapeCells.h"

namespace vx {

class ShapeList : public QWidget {
    Q_OBJECT

public:
    explicit ShapeList(QWidget* parent = nullptr);

    // Pages the table for the list's size on the page of shape `sn` (selected;
    // -1 for none), or on `page` when `sn` is -1, and renders the page.
    ShapePages UpdatePage(int page, int sn);
    const ShapePages& pages() const { return p_; }
    // The centre of cell `n` of the page, for tests.
    QPoint CellCentre(int n) const;

signals:
    void chosen(int sel);

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void leaveEvent(QEvent* e) override;

private:
    int CellAt(QPoint pos) const;

    ShapePages p_;
    ShapeCells cells_;
    int hover_ = -1;
};

}  // namespace vx
