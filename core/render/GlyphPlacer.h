#pragma once

// Where a glyph of a line goes and how it is turned: straight, rotated about the
// first pen position, or bent along a circular arc that starts there.

#include <ft2build.h>
#include FT_FREETYPE_H

#include "document/LogoParams.h"

namespace vx {

struct GlyphPlace {
    int x = 0;  // pen position, FreeType orientation (y up), from the first pen
    int y = 0;
    FT_Matrix matrix{0x10000, 0, 0, 0x10000};
};

class GlyphPlacer {
public:
    // Derives the constants of one render from the rotation and bend fields.
    // `scale` enlarges the bend radius with the glyphs, so a scaled line bends
    // along the same arc, only larger.
    explicit GlyphPlacer(const LogoParams& lt, float scale = 1.0f);

    // `pen`: the 26.6 distance of the glyph's origin from the first glyph's;
    // `adv`: the glyph's own 26.6 advance (the bent form turns each glyph to the
    // arc's tangent at the middle of its advance).
    GlyphPlace Place(long long pen, long adv) const;

private:
    bool bent_ = false;
    float a_ = 0.0f;   // rotation in radians
    float s_ = 1.0f;   // +1 bends outside, -1 inside
    float r_ = 0.0f;   // bend radius in pixels
    float cx_ = 0.0f;  // arc centre from the first pen position
    float cy_ = 0.0f;
};

}  // namespace vx
