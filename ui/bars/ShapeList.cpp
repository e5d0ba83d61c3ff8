#include "ui/bars/ShapeList.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "render/FtText.h"
#include "session/ObjLibRules.h"
#include "shell/Checked.h"

namespace vx {

ShapeList::ShapeList(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

ShapePages ShapeList::UpdatePage(int page, int sn) {
    p_ = PageShapes(width(), height(), FtText::ShapeCount(), sn);
    if (sn < 0 && p_.pages > 0) p_.page = std::clamp(page, 0, p_.pages - 1);
    VX_CHECK(p_.itmpp == 0 || p_.pages == 0 || p_.page < p_.pages, "page<pages");
    cells_.Render(p_, PaintedRows(height()));
    update();
    return p_;
}

QPoint ShapeList::CellCentre(int n) const {
    if (p_.columns == 0) return {};
    return {(n % p_.columns) * SHAPE_CELL + SHAPE_CELL / 2,
            (n / p_.columns) * SHAPE_CELL + SHAPE_CELL / 2};
}

int ShapeList::CellAt(QPoint pos) const {
    if (p_.columns == 0 || !rect().contains(pos)) return -1;
    return (pos.y() / SHAPE_CELL) * p_.columns + pos.x() / SHAPE_CELL;
}

void ShapeList::paintEvent(QPaintEvent*) {
    QImage img(size(), QImage::Format_RGB32);
    {
        QPainter p(&img);
        cells_.Paint(p, width(), height(), hover_, p_.sel);
    }
    QPainter(this).drawImage(0, 0, img);
}

void ShapeList::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return;
    const int n = CellAt(e->pos());
    // A cell past the end of the table shows shape 0 as a filler: not a choice.
    p_.sel = n >= 0 && p_.page * p_.itmpp + n < FtText::ShapeCount() ? n : -1;
    update();
    if (p_.sel >= 0) emit chosen(p_.sel);
}

void ShapeList::mouseMoveEvent(QMouseEvent* e) {
    const int n = CellAt(e->pos());
    if (n != hover_) {
        hover_ = n;
        update();
    }
}

void ShapeList::leaveEvent(QEvent*) {
    hover_ = -1;
    update();
}

}  // namespace vx
