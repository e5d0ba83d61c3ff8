#include <gtest/gtest.h>

#include "document/UndoTrack.h"
#include "support/Recorders.h"

namespace vx {
namespace {

class UndoTrackTest : public test::RecordingTest {
protected:
    // Each change sets canvas_w to a new value, so states are easy to tell apart.
    void Change(int value) {
        lf.canvas_w = value;
        track.Track(lf);
    }
    LeFile lf;
    UndoTrack track;
};

// A step past either end is reported and changes nothing: the steps after it
// land where they would without it. A new change drops what could be redone.
TEST_F(UndoTrackTest, DepthSaturatesAt99AndStepsPastEitherEndAreRefused) {
    lf.canvas_w = 0;
    track.Reset(lf);
    for (int i = 1; i <= 150; ++i) Change(i);
    EXPECT_EQ(track.undoes, MAX_UNDO - 1);
    EXPECT_EQ(track.pf, 150 % MAX_UNDO);
    for (int i = 0; i < 100; ++i) track.Undo(lf);
    EXPECT_EQ(lf.canvas_w, 150 - 99);
    EXPECT_EQ(track.undoes, 0);
    EXPECT_EQ(track.redoes, 99);
    for (int i = 0; i < 100; ++i) track.Redo(lf);  // forward across the ring's end again
    EXPECT_EQ(lf.canvas_w, 150);
    EXPECT_EQ(track.undoes, 99);
    EXPECT_EQ(track.redoes, 0);
    track.Undo(lf);
    Change(7);
    EXPECT_EQ(track.redoes, 0);
    track.Undo(lf);
    EXPECT_EQ(lf.canvas_w, 149);
    EXPECT_EQ(rec.FailedExpressions(), (std::vector<std::string>{"undoes>0", "redoes>0"}));
    rec.reports.clear();
}

}  // namespace
}  // namespace vx
