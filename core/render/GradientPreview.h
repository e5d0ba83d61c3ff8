#pragma once

// The gradient bar's preview: the two gradient colours with their opacities
// blended across the whole box over an 8-pixel grey and white checkerboard, so
// the user sees how the overlay covers what lies under it.

#include <cstdint>
#include <vector>

#include "document/LogoParams.h"

namespace vx {

// `px` becomes w x h pixels (0x00RRGGBB) of the gradient of `lt` (grad_color1,
// grad_color2, grad_opacity1, grad_opacity2, grad_angle); empty for an empty box.
void PaintGradientPreview(const LogoParams& lt, std::vector<std::uint32_t>& px, int w, int h);

}  // namespace vx
