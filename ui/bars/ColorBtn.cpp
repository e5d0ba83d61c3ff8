#include "ui/bars/ColorBtn.h"

#include <QMouseEvent>
#include <QPainter>

#include "render/Color.h"

namespace vx {

ColorBtn::ColorBtn(QWidget* parent) : QWidget(parent) {
    setCursor(Qt::PointingHandCursor);
}

void ColorBtn::SetColor(const HslF& c) {
    SetRgb(QColor::fromRgb(HslToRgb(c)));
}

void ColorBtn::SetRgb(QColor c) {
    color_ = c;
    update();
}

void ColorBtn::paintEvent(QPaintEvent*) {
    QImage img(size(), QImage::Format_RGB32);
    QPainter p(&img);
    const QRect r = img.rect();
    if (isEnabled()) {
        p.fillRect(r, color_);
    } else {
        p.fillRect(r, palette().color(QPalette::Window));
        p.fillRect(r, QBrush(palette().color(QPalette::Mid), Qt::DiagCrossPattern));
    }
    p.setPen(Qt::black);
    p.drawRect(r.adjusted(0, 0, -1, -1));
    p.setPen(Qt::white);
    p.drawRect(r.adjusted(1, 1, -2, -2));
    p.end();
    QPainter(this).drawImage(0, 0, img);
}

void ColorBtn::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton && isEnabled() && rect().contains(e->pos())) emit clicked();
}

}  // namespace vx
