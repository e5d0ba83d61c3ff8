#include "ui/controls/HoverState.h"

namespace vx {

namespace {
constexpr int BLINK_CYCLE_LAST = 20;  // the counter runs 0..20: 21 ticks a cycle
constexpr int BLINK_DARK_LAST = 10;   // lit above this count
}  // namespace

bool HoverState::Update(bool inside, Source from) {
    if (from == Source::Timer && inside) return false;
    bool lit = inside;
    if (!lit && blink_) {
        if (++counter_ > BLINK_CYCLE_LAST) counter_ = 0;
        lit = counter_ > BLINK_DARK_LAST;
    }
    if (lit == hot_) return false;
    hot_ = lit;
    return true;
}

void HoverState::SetBlink(bool on) {
    blink_ = on;
    counter_ = 0;
}

}  // namespace vx
