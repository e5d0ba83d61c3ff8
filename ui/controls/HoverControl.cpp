#include "ui/controls/HoverControl.h"

#include <QCursor>
#include <QEvent>
#include <QMouseEvent>

namespace vx {

HoverControl::HoverControl(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    // Every paint covers the whole control from an off-screen picture.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

ControlState HoverControl::state() const {
    if (!isEnabled()) return ControlState::Normal;
    if (pressed_) return ControlState::Pressed;
    return hot() ? ControlState::Hot : ControlState::Normal;
}

void HoverControl::MoTimer() {
    FollowCursor(rect().contains(mapFromGlobal(QCursor::pos())), HoverState::Source::Timer);
}

void HoverControl::mouseMoveEvent(QMouseEvent* e) {
    FollowCursor(rect().contains(e->position().toPoint()), HoverState::Source::MouseMove);
    e->accept();
}

void HoverControl::changeEvent(QEvent* e) {
    if (e->type() == QEvent::EnabledChange) update();
    QWidget::changeEvent(e);
}

void HoverControl::SetPressed(bool on) {
    if (pressed_ == on) return;
    pressed_ = on;
    update();
}

void HoverControl::FollowCursor(bool inside, HoverState::Source from) {
    if (hover_.Update(inside, from)) update();
}

}  // namespace vx
