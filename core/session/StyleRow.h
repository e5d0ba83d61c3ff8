#pragma once

// The style row's rules, without a window: each button shows the page's style
// turned round the colour wheel by its own hue offset, lightens under the
// cursor, and a click gives its variant's style fields to the current object.

#include "document/LogoParams.h"

namespace vx {

class Session;

// Button n of nb: n x 239 / nb, so the row spreads evenly round the wheel.
float StyleHueOffset(int n, int nb);
// The style as button `n` of `nb` shows it.
LogoParams StyleVariant(const LogoParams& style, int n, int nb);
// The record a button renders: the starburst of a new shape, 24 pixels, in the
// button's style; `lit` (the cursor over an unselected button) raises the
// lightness of its colours by 50.
LogoParams StylePreview(const LogoParams& variant, bool lit);

// A style click: the current object, whatever its type, takes the variant's
// style fields and the step is recorded. False when the logo has no current
// object (the click then only moves the selection mark).
bool ApplyStyle(Session& s, const LogoParams& variant);

}  // namespace vx
