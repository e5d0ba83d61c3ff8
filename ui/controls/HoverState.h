#pragma once

// Whether an owner-drawn control is drawn highlighted ("hot"), following the
// cursor on mouse moves and on the main window's 30 ms timer, so the highlight
// goes off when the cursor leaves even if no move reaches the control. With
// blink on, the control flashes while the cursor is away: lit on ticks 11 to 20
// of every 21-tick cycle. Plain C++: the widgets feed it where the cursor is.

namespace vx {

class HoverState {
public:
    // Where an update comes from: a mouse move over the control, or a timer tick.
    enum class Source { MouseMove, Timer };

    // Takes the cursor position (inside the client rectangle or not) and returns
    // true when `hot` changed, so the caller repaints. A timer tick with the
    // cursor inside changes nothing: only moves light a control.
    bool Update(bool inside, Source from);

    bool hot() const { return hot_; }
    bool blink() const { return blink_; }
    // Switching blink off clears the cycle; the next update settles `hot`.
    void SetBlink(bool on);
    int blink_counter() const { return counter_; }

private:
    bool hot_ = false;
    bool blink_ = false;
    int counter_ = 0;  // 0..20
};

}  // namespace vx
