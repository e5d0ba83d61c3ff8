// FtText::Render and the layout half of it: face and pixel size, glyph indices,
// kerning and spacing, placement, and the exact union of the glyph boxes that
// sizes the coverage buffer.

#include <algorithm>
#include <climits>
#include <cmath>

#include "render/FtText.h"

#include FT_GLYPH_H
#include "codecs/ImageLimits.h"
#include "render/GlyphPlacer.h"
#include "render/LinePens.h"
#include "render/RenderMath.h"
#include "shell/Buffers.h"
#include "shell/Checked.h"

namespace vx {

namespace {

// FreeType's own limit for pixel sizes; it would clamp larger requests itself.
constexpr int MAX_PIXEL_SIZE = 0xFFFF;
// Rounding at a larger scale may add this many pixels to an object's box.
constexpr int BOX_SLACK = 4;
constexpr int EMPTY_SIZE = 10;
constexpr int MARGIN_EFFECTS = 10;  // room for the blur of outline and shadow
constexpr int MARGIN_PLAIN = 1;

// The union of glyph boxes, in FreeType orientation (y up).
struct Extent {
    int minx = INT_MAX;
    int miny = INT_MAX;
    int maxx = INT_MIN;
    int maxy = INT_MIN;
};

// Whether an object's buffers of w x h pixels are within what we hold of any
// picture (16384 pixels a side, 64 megapixels): that bounds the memory of a
// render however long or large the text. A render at `scale` above 1 may hold
// what the unscaled render held, scaled.
bool BoxAllowed(long long w, long long h, double scale) {
    if (scale <= 1.0) return ImageSizeAllowed(w, h);
    const double wu = std::max(1.0, static_cast<double>(w) / scale - BOX_SLACK);
    const double hu = std::max(1.0, static_cast<double>(h) / scale - BOX_SLACK);
    return wu <= MAX_IMAGE_SIDE && hu <= MAX_IMAGE_SIDE &&
           wu * hu <= static_cast<double>(MAX_IMAGE_PIXELS);
}

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
    PixelSize set{fw, fh};
    if (face != nullptr && SetPixelSize(mode, set)) {
        slen = shape ? 1 : static_cast<int>(std::min<std::size_t>(lt.str.size(), 1u << 30));
        if (slen > 0 && PrepareStr(lt, set)) drawn = RenderStr();
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

bool FtText::SetPixelSize(int mode, PixelSize& size) {
    FT_Error error = 0;
    const int fw = size.w;
    const int fh = size.h;
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
        size = PixelSize{w, w + d};
        --w;
        const FT_Size_Metrics& m = face->size->metrics;
        const bool too_wide = mode == 2 && fw < m.max_advance / 64;
        const bool too_high = fh < m.height / 64;
        if (!(w > 1 && w + d > 1 && (too_wide || too_high))) return true;
    }
}

int FtText::ScaledLength(int v) const {
    return TruncClamp(static_cast<double>(v) * static_cast<double>(scale), 1, MAX_PIXEL_SIZE);
}

bool FtText::PrepareStr(const LogoParams& lt, PixelSize size) {
    VX_CHECK(slen < MAX_GLYPHS, "slen<500");
    slen = std::min(slen, MAX_GLYPHS - 1);  // what the glyph table holds
    const std::vector<LinePen> pens = MeasurePens(face, lt, slen);
    // A scaled render keeps the line's on-screen pens and draws the glyphs at
    // the scaled size: no rounding of small advances changes the letter fit.
    if (scale != 1.0f) {
        FT_Error error = 0;
        VX_CALL(error = FT_Set_Pixel_Sizes(face, static_cast<FT_UInt>(ScaledLength(size.w)),
                                           static_cast<FT_UInt>(ScaledLength(size.h))),
                "FT_Set_Pixel_Sizes(face,fw,fh)");
        if (error != 0) return false;
    }
    const double s = scale;
    // The margin holds the spread of the effects, which grows with the scale.
    const int m =
        std::max(1, static_cast<int>(std::lround((effects ? MARGIN_EFFECTS : MARGIN_PLAIN) * s)));
    const GlyphPlacer placer(lt, scale);
    gp.assign(pens.size(), GlyphPos{});
    Extent ext;

    int laid = 0;
    for (std::size_t n = 0; n < pens.size(); ++n) {
        const LinePen& p = pens[n];
        const GlyphPlace place = placer.Place(std::llround(static_cast<double>(p.pen) * s),
                                              std::lround(static_cast<double>(p.adv) * s));
        GlyphPos& g = gp[n];
        g.index = static_cast<int>(p.index);
        g.x = place.x;
        g.y = place.y;
        g.matrix = place.matrix;

        FT_Set_Transform(face, &g.matrix, nullptr);
        FT_Error error = 0;
        VX_CALL(error = FT_Load_Glyph(face, p.index, FT_LOAD_DEFAULT),
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
        // A line that outgrows the bound is cut before the glyph that passes
        // it, quietly: long text is what the user typed, not a fault.
        const long long w = static_cast<long long>(ext.maxx) - ext.minx + 2 * m;
        const long long h = static_cast<long long>(ext.maxy) - ext.miny + 2 * m;
        if (!ordered || !BoxAllowed(w, h, s)) {
            ext = before;  // keep the glyphs that fit
            break;
        }
        laid = static_cast<int>(n) + 1;
    }
    slen = laid;
    gp.resize(static_cast<std::size_t>(slen));
    if (slen == 0) return false;

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
