#pragma once

// Path data of a rendered object's glyphs: each glyph loaded as the renderer
// loads it (same face, size, hinting and turn), its outline decomposed by
// FreeType and moved to the glyph's pen position in the picture.

#include <string>

#include "render/FtText.h"

namespace vx {

// The `d` attribute of all glyphs of `ft`'s last render, with the top-left
// of its coverage buffer at (left, top) in the picture, y down. Glyphs the
// face holds only as bitmaps are left out.
std::string GlyphPathData(const FtText& ft, double left, double top);

}  // namespace vx
