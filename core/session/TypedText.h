#pragma once

// Text the user types into a field that feeds the renderer: kept to what code
// page 1252 holds, character by character, and to the renderer's glyph limit.

#include <string>

#include "render/FtText.h"

namespace vx {

// One glyph fewer than an object can lay out.
constexpr int MAX_TYPED_CHARS = MAX_GLYPHS - 1;

// The code page 1252 text of UTF-8 `utf8`: characters the code page cannot hold
// are left out, and the rest is cut to MAX_TYPED_CHARS.
std::string TypedText(const std::string& utf8);

}  // namespace vx
