#pragma once

// The faces of our libraries that the window uses by name.

namespace vx {

// New text objects: a bold display face that reads well as a logo's title.
inline constexpr const char* NEW_TEXT_FACE = "Bebas Neue Bold";
// New shape objects: the starburst of our own symbol font.
inline constexpr const char* NEW_SHAPE_FACE = "Starburst Regular";
inline constexpr int NEW_SHAPE_GLYPH = 19;

}  // namespace vx
