#pragma once

// The pen walk of one line: glyph indices, kerning, character spacing and
// advances, at the face's current pixel size. Layout takes the pens from here
// and places each glyph along them; a scaled render measures the pens at the
// on-screen size, so the line keeps its on-screen letter fit at any scale.

#include <ft2build.h>
#include FT_FREETYPE_H

#include <vector>

#include "document/LogoParams.h"

namespace vx {

struct LinePen {
    FT_UInt index = 0;  // glyph index; 0 when the face lacks the character
    long long pen = 0;  // distance of the glyph's origin from the first one, 26.6
    FT_Pos adv = 0;     // the glyph's own advance, 26.6
};

// The pens of the first `slen` glyphs of `lt` (a shape is the one glyph
// `lt.shape`). Kerning and spacing apply only between two glyphs the face has.
// Stops early at a glyph the face cannot load, after the report.
std::vector<LinePen> MeasurePens(FT_Face face, const LogoParams& lt, int slen);

}  // namespace vx
