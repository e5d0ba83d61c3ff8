#pragma once

// Where an object's drop shadow lies relative to the object.

#include "document/LogoParams.h"

namespace vx {

struct PixelOffset {
    int dx = 0;
    int dy = 0;
};

// The shadow's displacement in pixels (y down) at `scale`: `shadow_distance`
// along `shadow_angle` degrees, each component truncated. The shadow keeps
// its place relative to the object at any scale.
PixelOffset ShadowOffset(const LogoParams& lt, float scale = 1.0f);

}  // namespace vx
