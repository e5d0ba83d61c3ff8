#pragma once

// Multi-level undo as a ring of MAX_UNDO whole-document snapshots. The slot at
// `pf` always equals the document as last committed, so Track is called after
// each completed change. Snapshots copy parameters only, never pixels.

#include <array>

#include "document/LeFile.h"

namespace vx {

constexpr int MAX_UNDO = 100;

class UndoTrack {
public:
    std::array<LeFile, MAX_UNDO> slots;
    int undoes = 0;  // Undo steps available, at most MAX_UNDO - 1
    int redoes = 0;
    int pf = -1;  // slot holding the current state

    int Reset(const LeFile& lf);
    int Track(const LeFile& lf);
    int Undo(LeFile& lf);
    int Redo(LeFile& lf);
};

}  // namespace vx
