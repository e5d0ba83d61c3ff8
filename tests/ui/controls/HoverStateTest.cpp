// Hover and blink of the owner-drawn controls, as the mouse and the 30 ms timer
// drive them.

#include <gtest/gtest.h>

#include "ui/controls/HoverState.h"

namespace vx {
namespace {

using Source = HoverState::Source;

TEST(HoverState, FollowsTheCursorOnMovesAndGoesOffOnTheTimerWhenItLeft) {
    struct Step {
        bool inside;
        Source from;
        bool hot, changed;
    };
    const Step steps[] = {
        {true, Source::Timer, false, false},    // a tick never lights a control
        {true, Source::MouseMove, true, true},  // a move over it does
        {true, Source::Timer, true, false},     // ticks while inside keep it lit
        {false, Source::Timer, false, true},    // the tick after leaving clears it
        {false, Source::Timer, false, false},    {true, Source::MouseMove, true, true},
        {false, Source::MouseMove, false, true},  // a captured move outside, too
    };
    HoverState h;
    for (const Step& s : steps) {
        EXPECT_EQ(h.Update(s.inside, s.from), s.changed);
        EXPECT_EQ(h.hot(), s.hot);
    }
}

TEST(HoverState, BlinkLightsTicks11To20OfEvery21WhileTheCursorIsAway) {
    HoverState h;
    h.SetBlink(true);
    for (int cycle = 0; cycle < 3; ++cycle) {
        for (int tick = 1; tick <= 21; ++tick) {
            h.Update(false, Source::Timer);
            EXPECT_EQ(h.hot(), tick >= 11 && tick <= 20) << "cycle " << cycle << " tick " << tick;
        }
    }
    // The cursor over the button keeps it lit whatever the cycle.
    h.Update(true, Source::MouseMove);
    EXPECT_TRUE(h.hot());
    for (int tick = 0; tick < 30; ++tick) h.Update(true, Source::Timer);
    EXPECT_TRUE(h.hot());
}

}  // namespace
}  // namespace vx
