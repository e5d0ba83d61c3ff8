#include "ui/controls/SlBtn.h"

#include <QMouseEvent>
#include <QPainter>

#include "ui/controls/ZebSlider.h"

namespace vx {

SlBtn::SlBtn(ZebSlider* slider, int step, QWidget* parent)
    : HoverControl(parent), slider_(slider), step_(step) {}

void SlBtn::paintEvent(QPaintEvent*) {
    // The arrow pictures are made once, off-screen; one draw puts one up.
    QPainter(this).drawImage(rect(), ControlArt::Arrow(step_, state()));
}

void SlBtn::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return QWidget::mousePressEvent(e);
    SetPressed(true);
    if (isEnabled()) slider_->Step(step_);
}

// A double click's second press arrives as this event: it steps once more.
void SlBtn::mouseDoubleClickEvent(QMouseEvent* e) {
    mousePressEvent(e);
}

void SlBtn::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return QWidget::mouseReleaseEvent(e);
    SetPressed(false);
}

}  // namespace vx
