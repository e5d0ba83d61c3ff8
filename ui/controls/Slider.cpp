#include "ui/controls/Slider.h"

#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>

namespace vx {

Slider::Slider(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Slider::Init(QLineEdit* buddy, SliderMode mode, int min, int max) {
    buddy_ = buddy;
    mode_ = mode;
    min_ = min;
    max_ = max;
    UpdateEdit();
}

void Slider::SetValue(int v, bool update_edit) {
    value_ = SliderFraction(v, min_, max_);
    if (update_edit) UpdateEdit();
    update();
}

void Slider::SetValueF(float f) {
    value_ = f;
    update();
}

void Slider::UpdateEdit() {
    if (buddy_) buddy_->setText(QString::fromStdString(SliderText(value_, mode_, min_, max_)));
}

void Slider::paintEvent(QPaintEvent*) {
    // Composed off-screen and copied in one step, like every owner-drawn control.
    QImage img(size(), QImage::Format_RGB32);
    img.fill(palette().color(QPalette::Button));
    QPainter p(&img);
    const bool on = isEnabled();
    QPen pen(palette().color(on ? QPalette::ButtonText : QPalette::PlaceholderText));
    pen.setWidth(1);
    if (!on) pen.setStyle(Qt::DotLine);
    p.setPen(pen);
    const int w = width();
    const QPoint track[] = {{5, 0}, {5, 3}, {w - 6, 3}, {w - 6, -1}};
    p.drawPolyline(track, 4);
    const int x = SliderThumbX(value_, w);
    const QPoint thumb[] = {{x, 4}, {x - 5, 9}, {x + 5, 9}, {x - 1, 3}};
    p.drawPolyline(thumb, 4);
    p.end();
    QPainter(this).drawImage(0, 0, img);
}

void Slider::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) dragging_ = true;  // the grab is Qt's own
}

void Slider::mouseMoveEvent(QMouseEvent* e) {
    if (!dragging_) return;
    value_ = SliderDragFraction(static_cast<int>(e->position().x()), width());
    update();
    UpdateEdit();
    emit clicked();
}

void Slider::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) dragging_ = false;
}

}  // namespace vx
