#include "ui/bars/PickerView.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace vx {

namespace {

// Four arms around the point, the centre left free so the colour shows.
void DrawMarker(QPainter& p, QPoint c) {
    const QRect arms[] = {
        QRect(QPoint(c.x() - 7, c.y() - 1), QPoint(c.x() - 2, c.y() + 2)),
        QRect(QPoint(c.x() - 1, c.y() - 7), QPoint(c.x() + 2, c.y() - 2)),
        QRect(QPoint(c.x() + 3, c.y() - 1), QPoint(c.x() + 8, c.y() + 2)),
        QRect(QPoint(c.x() - 1, c.y() + 3), QPoint(c.x() + 2, c.y() + 8)),
    };
    for (const QRect& r : arms) {
        p.fillRect(r.adjusted(-1, -1, 1, 1), Qt::white);
        p.fillRect(r, Qt::black);
    }
}

}  // namespace

void DrawSunkenEdge(QPainter& p, const QRect& r) {
    p.setPen(QColor(128, 128, 128));
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(Qt::white);
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
}

void PickerView::paintEvent(QPaintEvent*) {
    QImage img = Picture();
    QPainter p(&img);
    DrawMarker(p, MarkerAt());
    DrawSunkenEdge(p, img.rect());
    p.end();
    QPainter(this).drawImage(0, 0, img);
}

void PickerView::Track(QPointF pos) {
    PointAt(QPointF(std::clamp(pos.x(), 0.0, static_cast<double>(width())),
                    std::clamp(pos.y(), 0.0, static_cast<double>(height()))));
    update();
    emit clicked();
}

void PickerView::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return;
    dragging_ = true;
    Track(e->position());
}

void PickerView::mouseMoveEvent(QMouseEvent* e) {
    if (dragging_) Track(e->position());
}

void PickerView::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) dragging_ = false;
}

}  // namespace vx
