// FtText::Render and the layout half of it: face and pixel size, glyph indices,
// kerning and spacing, placement, and the exact union of the glyph boxes that
// sizes the coverage buffer.

#include <algorithm>

#include "render/FtText.h"

#include FT_GLYPH_H
#include "render/GlyphPlacer.h"
#include "render/RenderMath.h"
#include "shell/Buffers.h"
#include "shell/Checked.h"
#include "shell/Cp1252.h"

namespace vx {

namespace {

// FreeType's own limit for pixel sizes; it would clamp larger requests itself.
constexpr int MAX_PIXEL_SIZE = 0xFFFF;
// Glyph boxes must stay this close to the first pen position, which bounds an
// object to about 10000 pixels a side.
constexpr int BOX_LIMIT = 5000;
constexpr int EMPTY_SIZE = 10;
constexpr int MARGIN_EFFECTS = 10;  // room for the blur of outline and shadow
constexpr int MARGIN_PLAIN = 1;

// The union of glyph boxes, in FreeType orientation (y up).
struct Extent {
    int minx = 10000;
    int miny = 10000;
    int maxx = -10000;
    int maxy = -10000;
};

}  // namespace

int FtText::Render(const LogoParams& lt, int mode, int effects_arg) {
    effects = effects_arg;
    // Effect buffers describe one render; a stale one could be painted with the
    // wrong size.
    eff = std::vector<std::uint8_t>();
    face = FindFace(lt.font);
    VX_CHECK(face != nullptr, "face!=NULL");

    const bool shape = lt.shape != -1;
    const int fh = TruncClamp(lt.size, 1, MAX_PIXEL_SIZE);
    const int fw = shape ? TruncClamp(lt.width, 1, MAX_PIXEL_SIZE)
                         : TruncClamp(static_cast<float>(lt.size) * lt.aspect, 1, MAX_PIXEL_SIZE);

    bool drawn = false;
    if (face != nullptr && SetPixelSize(mode, fw, fh)) {
        slen = shape ? 1 : static_cast<int>(std::min<std::size_t>(lt.str.size(), 1u << 30));
        if (slen > 0 && PrepareStr(lt)) drawn = RenderStr();
    }
    if (!drawn) SetEmpty();
    if (effects) VX_CALL(PrepareEffects(lt), "PrepareEffects(lt)");
    return 0;
}

void FtText::SetEmpty() {
    slen = 0;
    gp.clear();
    szx = szy = EMPTY_SIZE;
    org_x = org_y = 0;
    AllocBuffer(cov, std::size_t{EMPTY_SIZE} * EMPTY_SIZE, std::uint8_t{0});
}

bool FtText::SetPixelSize(int mode, int fw, int fh) {
    FT_Error error = 0;
    if (mode == 0) {
        VX_CALL(
            error = FT_Set_Pixel_Sizes(face, static_cast<FT_UInt>(fw), static_cast<FT_UInt>(fh)),
            "FT_Set_Pixel_Sizes(face,fw,fh)");
        return error == 0;
    }
    // Shrink until the face's metrics fit the box, or down to 2 pixels.
    const int d = fh - fw;
    int w = fw;
    for (;;) {
        VX_CALL(
            error = FT_Set_Pixel_Sizes(face, static_cast<FT_UInt>(w), static_cast<FT_UInt>(w + d)),
            "FT_Set_Pixel_Sizes(face,fw_,fh_)");
        if (error != 0) return false;
        --w;
        const FT_Size_Metrics& m = face->size->metrics;
        const bool too_wide = mode == 2 && fw < m.max_advance / 64;
        const bool too_high = fh < m.height / 64;
        if (!(w > 1 && w + d > 1 && (too_wide || too_high))) return true;
    }
}

bool FtText::PrepareStr(const LogoParams& lt) {
    VX_CHECK(slen < MAX_GLYPHS, "slen<500");
    slen = std::min(slen, MAX_GLYPHS - 1);  // what the glyph table holds
    gp.assign(static_cast<std::size_t>(slen), GlyphPos{});

    const bool shape = lt.shape != -1;
    const bool kern = FT_HAS_KERNING(face);
    // Spacing in whole pixels; 64-bit so that no spacing overflows the pen.
    const long long spacing = static_cast<long long>(lt.spacing) * 64;
    const GlyphPlacer placer(lt);
    long long pen = 0;  // 26.6
    FT_UInt previ = 0;
    Extent ext;

    int laid = 0;
    for (int n = 0; n < slen; ++n) {
        const auto byte = static_cast<std::uint8_t>(shape ? 0 : lt.str[n]);
        const FT_UInt index =
            shape ? static_cast<FT_UInt>(lt.shape) : FT_Get_Char_Index(face, Cp1252ToUnicode(byte));
        FT_Error error = 0;
        // Kerning and spacing only between two glyphs the face has.
        if (previ != 0 && index != 0) {
            if (kern) {
                FT_Set_Transform(face, nullptr, nullptr);
                FT_Vector delta{0, 0};
                VX_CALL(error = FT_Get_Kerning(face, previ, index, FT_KERNING_UNFITTED, &delta),
                        "FT_Get_Kerning(face,previ,gp[n].index,FT_KERNING_UNFITTED,&delta)");
                if (error == 0) pen += delta.x;
            }
            pen += spacing;
        }
        VX_CALL(error = FT_Load_Glyph(face, index, FT_LOAD_DEFAULT),
                "FT_Load_Glyph(face,gp[n].index,FT_LOAD_DEFAULT)");
        if (error != 0) break;
        const FT_Pos adv = face->glyph->metrics.horiAdvance;

        const GlyphPlace place = placer.Place(pen, adv);
        GlyphPos& g = gp[static_cast<std::size_t>(n)];
        g.index = static_cast<int>(index);
        g.x = place.x;
        g.y = place.y;
        g.matrix = place.matrix;

        FT_Set_Transform(face, &g.matrix, nullptr);
        VX_CALL(error = FT_Load_Glyph(face, index, FT_LOAD_DEFAULT),
                "FT_Load_Glyph(face,gp[n].index,FT_LOAD_DEFAULT)");
        if (error != 0) break;
        FT_Glyph glyph = nullptr;
        VX_CALL(error = FT_Get_Glyph(face->glyph, &glyph), "FT_Get_Glyph(face->glyph,&glyph)");
        if (error != 0) break;
        FT_BBox box;
        FT_Glyph_Get_CBox(glyph, FT_GLYPH_BBOX_PIXELS, &box);
        FT_Done_Glyph(glyph);

        const Extent before = ext;
        ext.minx = std::min(ext.minx, static_cast<int>(box.xMin) + g.x);
        ext.miny = std::min(ext.miny, static_cast<int>(box.yMin) + g.y);
        ext.maxx = std::max(ext.maxx, static_cast<int>(box.xMax) + g.x);
        ext.maxy = std::max(ext.maxy, static_cast<int>(box.yMax) + g.y);
        const bool ordered = ext.minx <= ext.maxx && ext.miny <= ext.maxy;
        VX_CHECK(ordered, "minx<=maxx && miny<=maxy");
        // The whole box must stay inside the window, on every side.
        const bool sane = ext.minx >= -BOX_LIMIT && ext.miny >= -BOX_LIMIT &&
                          ext.maxx <= BOX_LIMIT && ext.maxy <= BOX_LIMIT;
        VX_CHECK(sane, "minx>5000 || miny>5000 || maxx<-5000 || maxy<-5000");
        if (!ordered || !sane) {
            ext = before;  // keep the glyphs that fit
            break;
        }
        laid = n + 1;
        pen += face->glyph->metrics.horiAdvance;
        previ = index;
    }
    slen = laid;
    gp.resize(static_cast<std::size_t>(slen));
    if (slen == 0) return false;

    const int m = effects ? MARGIN_EFFECTS : MARGIN_PLAIN;
    org_x = m - ext.minx;
    org_y = m + ext.maxy;
    szx = ext.maxx - ext.minx + 2 * m;
    szy = ext.maxy - ext.miny + 2 * m;
    for (GlyphPos& g : gp) {
        g.x += org_x;
        g.y = org_y - g.y;
    }
    return true;
}

}  // namespace vx
