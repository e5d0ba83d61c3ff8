#pragma once

// Where a shape object's glyph sits in the shape table, for the object library's
// selection.

#include "document/LogoObject.h"

namespace vx {

// The shape-table index of `o`'s face and glyph: the object's cached
// `lib_index` when that entry still matches, else the first matching entry,
// which then becomes the cached index; -1 when the table holds no such shape.
int ShapeIndexOf(LogoObject& o);

}  // namespace vx
