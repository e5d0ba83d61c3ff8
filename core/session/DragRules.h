#pragma once

// The arithmetic of the two drags of the main window: moving an object in the
// output window and resizing the current object in its preview.

#include "document/LeFile.h"

namespace vx {

// The frontmost object whose rendered box holds the document point (cx, cy),
// edges included; -1 when none does.
int PickObject(const LeFile& lf, int cx, int cy);

// A dropped object's centre kept inside a W x H window: x + W/2 in 0..W and
// y + H/2 in 0..H.
void ClampToWindow(int& x, int& y, int W, int H);

// Preview resize: a drag from `start_x` to `x` in a window W wide scales the
// object's width and size, doubling them over a full width to the left and
// halving them to the right. A value takes its new size only inside 5..3000
// (exclusive); positions at or beyond the window's edges are ignored.
struct ResizeDrag {
    int start_x = 0;
    int start_width = 0;
    int start_size = 0;

    // Applies the drag at `x` to `lt`; false when `x` is ignored.
    bool Apply(int x, int W, LogoParams& lt) const;
};

}  // namespace vx
