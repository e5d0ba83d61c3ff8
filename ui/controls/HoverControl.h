#pragma once

// The base of the owner-drawn controls that highlight under the cursor: hover
// follows mouse moves over the control and the owner's 30 ms timer (MoTimer),
// which switches the highlight off when the cursor has left without a move
// reaching the control. A change repaints. Also keeps the pressed flag (the
// left button held on the control) that the looks depend on.

#include <QWidget>

#include "ui/controls/ControlArt.h"
#include "ui/controls/HoverState.h"

namespace vx {

class HoverControl : public QWidget {
    Q_OBJECT

public:
    explicit HoverControl(QWidget* parent = nullptr);

    bool hot() const { return hover_.hot(); }
    bool pressed() const { return pressed_; }
    // The look: pressed wins over hot; disabled controls look normal.
    ControlState state() const;

public slots:
    // One tick of the owner's hover timer: compares the cursor with the client
    // rectangle and repaints when the highlight changes.
    void MoTimer();

protected:
    void mouseMoveEvent(QMouseEvent* e) override;
    void changeEvent(QEvent* e) override;

    void SetPressed(bool on);
    HoverState& hover() { return hover_; }

private:
    void FollowCursor(bool inside, HoverState::Source from);

    HoverState hover_;
    bool pressed_ = false;
};

}  // namespace vx
