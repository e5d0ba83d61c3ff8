#include "render/SymbolExclusions.h"

#include <initializer_list>

namespace vx {

namespace {

struct GlyphRange {
    int first;
    int last;  // inclusive
};

struct FaceExclusions {
    std::string_view face;
    std::initializer_list<GlyphRange> glyphs;
};

const FaceExclusions SymbolGlyphExclusions[] = {
    {"Alchemy Regular", {{2, 4}, {8, 8}, {10, 15}, {32, 32}, {64, 64}}},
    {"Animals Normal", {{144, 144}, {149, 149}}},
    {"Animals 2 Regular", {{6, 6}, {11, 11}, {18, 19}, {24, 25}, {42, 43}, {47, 47}, {50, 50}}},
    {"Aurebesh Regular", {{56, 76}, {85, 93}}},
    {"Drac Bold", {{5, 5}, {15, 15}, {32, 32}}},
    {"Drazi Bold", {{5, 5}, {25, 26}}},
    {"Ewok Bold",
     {{5, 6}, {11, 11}, {52, 52}, {55, 55}, {59, 59}, {84, 84}, {87, 87}, {91, 92}, {107, 207}}},
    {"EZBorder Normal",
     {{7, 7},
      {18, 18},
      {21, 21},
      {33, 33},
      {38, 38},
      {50, 51},
      {61, 61},
      {66, 66},
      {79, 79},
      {82, 83},
      {93, 93}}},
    {"Wenlo's 2 Dings Normal",
     {{7, 13}, {15, 15}, {19, 19}, {30, 30}, {42, 42}, {49, 51}, {65, 65}, {68, 68}, {72, 72}}},
    {"Brovix Bullets Regular", {{21, 26}}},
    {"Quon's Dingbats No.2 Regular", {{55, 55}}},
    {"Symbolix Regular", {{30, 30}}},
    {"button_by_zemla Regular", {{4, 4}, {8, 14}}},
};

}  // namespace

bool IsExcludedSymbolGlyph(std::string_view face_name, int glyph) {
    for (const FaceExclusions& f : SymbolGlyphExclusions) {
        if (f.face != face_name) continue;
        for (const GlyphRange& r : f.glyphs)
            if (glyph >= r.first && glyph <= r.last) return true;
        return false;
    }
    return false;
}

}  // namespace vx
