#pragma once

// Glyphs of particular symbol faces that are never offered as shapes (parts of
// composite pictures, duplicates, marks that make no sense alone).

#include <string_view>

namespace vx {

bool IsExcludedSymbolGlyph(std::string_view face_name, int glyph);

}  // namespace vx
