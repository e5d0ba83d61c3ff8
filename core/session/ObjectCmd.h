#pragma once

// What property button k (ObjectCmd(k), 0..4) opens for the current object.

#include "document/LeFile.h"

namespace vx {

enum class BarKind { NONE, TEXT, IMAGE, SHAPE, EFFECTS, GRADIENT, TRANSFORM, COLOR, LOGO };

struct BarRequest {
    BarKind kind = BarKind::NONE;
    int nc = 0;  // the colour bar's first entry
};

// Nothing when there is no current object or k is out of range; custom bitmaps
// have no text or image bar.
BarRequest ObjectCmdBar(const LeFile& lf, int k);
// The same for object `o`, current or not.
BarRequest ObjectBar(const LogoObject& o, int k);

}  // namespace vx
