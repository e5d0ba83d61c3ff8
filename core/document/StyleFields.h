#pragma once

// Whole-style operations over the style fields of ParamFields.h: what a style
// button, a style click and a click in the object library do to a parameter
// record.

#include "document/LogoParams.h"

namespace vx {

// Copies the style fields of `from` into `to`; text, face, shape, sizes and
// transform of `to` stay.
void CopyStyle(const LogoParams& from, LogoParams& to);

// A style button's variant: the hue of each of the five colours raised by
// `offset` (0..239), wrapping by 239 above 239.
void ShiftStyleHue(LogoParams& lt, float offset);

// The style a shape added from the object library takes from the current
// object: its colours, strength, opacities and gradient, without outline and
// shadow.
void CopyStyleForNewShape(const LogoParams& from, LogoParams& to);

}  // namespace vx
