#include "document/UndoTrack.h"

#include "shell/Checked.h"

namespace vx {

namespace {

int Wrap(int slot) {
    return (slot % MAX_UNDO + MAX_UNDO) % MAX_UNDO;
}

}  // namespace

int UndoTrack::Reset(const LeFile& lf) {
    undoes = 0;
    redoes = 0;
    pf = 0;
    lf.CopyTo(slots[0]);
    return 0;
}

int UndoTrack::Track(const LeFile& lf) {
    if (undoes < MAX_UNDO - 1) ++undoes;
    pf = Wrap(pf + 1);
    VX_CHECK(pf >= 0 && pf < MAX_UNDO, "pf>=0 && pf<MAX_UNDO");
    lf.CopyTo(slots[pf]);
    redoes = 0;
    return 0;
}

int UndoTrack::Undo(LeFile& lf) {
    VX_CHECK(undoes > 0, "undoes>0");
    if (undoes <= 0) return 0;  // after Retry: nothing to step back to
    pf = Wrap(pf - 1);
    VX_CHECK(pf >= 0 && pf < MAX_UNDO, "pf>=0 && pf<MAX_UNDO");
    slots[pf].CopyTo(lf);
    --undoes;
    ++redoes;
    return 0;
}

int UndoTrack::Redo(LeFile& lf) {
    VX_CHECK(redoes > 0, "redoes>0");
    if (redoes <= 0) return 0;
    pf = Wrap(pf + 1);
    VX_CHECK(pf >= 0 && pf < MAX_UNDO, "pf>=0 && pf<MAX_UNDO");
    slots[pf].CopyTo(lf);
    ++undoes;
    --redoes;
    return 0;
}

}  // namespace vx
