#include "export/LogoPainter.h"

#include <algorithm>
#include <cmath>

#include "render/FtText.h"
#include "render/PixelFill.h"
#include "render/Random.h"
#include "render/RenderMath.h"
#include "shell/Buffers.h"
#include "shell/Checked.h"

namespace vx {

namespace {

// The point of the unscaled canvas the logo's box starts at: the fixed
// canvas's centre rule, or the top-left of the export box (the objects and
// their shadows). The box, not half the logo size, so that an odd-sized box
// is never cut by a pixel.
struct Origin {
    long long x = 0;
    long long y = 0;
};

Origin LogoOrigin(const LeFile& le) {
    if (le.fixed_canvas) return Origin{le.canvas_w / 2, le.canvas_h / 2};
    const ObjectBox box = ExportBox(le);
    return Origin{-box.left, -box.top};
}

int ScaledCoordinate(long long v, int percent, int margin) {
    return ClampPosition(std::llround(static_cast<double>(v) * percent / 100.0) + margin);
}

// Paints one text or shape object at `percent`. False when the object could
// not be rendered.
bool PaintText(const LeFile& le, const LogoObject& o, const LogoPlacement& place,
               std::span<ExportCanvas> canvases) {
    ScaledText text;
    if (!RenderScaledText(le, o, place, text)) return false;
    // Each canvas gets the same dither: the generator restarts for each.
    const RandomSource start = EngineRandom();
    for (ExportCanvas& c : canvases) {
        EngineRandom() = start;
        VX_CALL(
            text.ft.BltToBuf(text.lt, c.px.data(), place.w, place.h, text.pen_x, text.pen_y, 0, 0),
            "ft.BltToBuf(lt,dta,szx,szy,ox+dox,oy+doy,FALSE,FALSE)");
    }
    return true;
}

// Pictures are painted unscaled, centred where the scaled canvas puts them.
void PaintPicture(const LeFile& le, LogoObject& o, const LogoPlacement& place,
                  std::span<ExportCanvas> canvases) {
    const PicturePoint c = PictureCentre(le, o, place);
    for (ExportCanvas& canvas : canvases)
        VX_CALL(o.BltCust(canvas.px.data(), place.w, place.h, c.x, c.y),
                "BltCust(dta,szx,szy,ox+dox,oy+doy)");
}

// Fills everything outside the logo's box with the background.
void FillMargins(ExportCanvas& c, const LogoPlacement& place, int logo_w, int logo_h) {
    const int left = std::min(place.margin, place.w);
    const int right = std::clamp(place.margin + logo_w, left, place.w);
    const int top = std::min(place.margin, place.h);
    const int bottom = std::clamp(place.margin + logo_h, top, place.h);
    for (int y = 0; y < place.h; ++y) {
        std::uint32_t* row = c.px.data() + static_cast<std::size_t>(y) * place.w;
        if (y < top || y >= bottom) {
            std::fill(row, row + place.w, c.background);
            continue;
        }
        std::fill(row, row + left, c.background);
        std::fill(row + right, row + place.w, c.background);
    }
}

}  // namespace

bool RenderScaledText(const LeFile& le, const LogoObject& o, const LogoPlacement& place,
                      ScaledText& out) {
    // The first pen origin lands where the on-screen rendering (the object's
    // own renderer, current from the last update) puts it, scaled.
    const FtText* screen = RendererOf(o);
    if (!screen) return false;
    const Origin origin = LogoOrigin(le);
    const long long pen_x = o.x + origin.x - screen->szx / 2 + screen->org_x;
    const long long pen_y = o.y + origin.y - screen->szy / 2 + screen->org_y;
    // The glyphs the screen shows: a line cut at the size bound on screen
    // is cut after the same glyph at any scale.
    out.lt = o.lt;
    if (out.lt.shape == -1 && out.lt.str.size() > static_cast<std::size_t>(screen->slen))
        out.lt.str.resize(static_cast<std::size_t>(screen->slen));
    out.ft.scale = static_cast<float>(place.percent) / 100.0f;
    VX_CALL(out.ft.Render(out.lt, 0, 1), "ft.Render(lt,0,1)");
    if (!out.ft.RenderComplete(out.lt)) return false;
    out.pen_x = ScaledCoordinate(pen_x, place.percent, place.margin);
    out.pen_y = ScaledCoordinate(pen_y, place.percent, place.margin);
    return true;
}

PicturePoint PictureCentre(const LeFile& le, const LogoObject& o, const LogoPlacement& place) {
    const Origin origin = LogoOrigin(le);
    return {ScaledCoordinate(o.x + origin.x, place.percent, place.margin),
            ScaledCoordinate(o.y + origin.y, place.percent, place.margin)};
}

std::optional<ExportSize> OversizedObject(const LeFile& le, int percent) {
    for (int n = 0; n < std::clamp(le.objs, 0, MAX_OBJS); ++n) {
        const LogoObject* o = le.obj[n].get();
        if (!o || o->type == BITMAP_OBJECT) continue;  // pictures are not scaled
        // Rounding at another size adds a few pixels; at 100 % the object is
        // rendered as on screen, so one at the bound is drawn as it is.
        const long long slack = percent == 100 ? 0 : 2 * (percent / 100 + 1);
        const ExportSize size{static_cast<long long>(o->w) * percent / 100 + slack,
                              static_cast<long long>(o->h) * percent / 100 + slack};
        if (!ExportSizeAllowed(size)) return size;
    }
    return std::nullopt;
}

bool PaintLogo(LeFile& le, const ExportLogo& logo, const LogoPlacement& place,
               std::span<ExportCanvas> canvases, const ExportProgress& progress) {
    for (ExportCanvas& c : canvases) std::fill(c.px.begin(), c.px.end(), c.background);
    const int objs = std::clamp(le.objs, 0, MAX_OBJS);
    for (int n = 0; n < objs; ++n) {
        VX_CHECK(le.obj[n] != nullptr, "obj[n]!=NULL");
        LogoObject* o = le.obj[n].get();
        if (!o) continue;
        if (o->type == BITMAP_OBJECT)
            PaintPicture(le, *o, place, canvases);
        else if (!PaintText(le, *o, place, canvases))
            return false;
        if (progress && !progress(n + 1, objs)) return false;
    }
    const int logo_w = static_cast<int>(
        std::min<long long>(static_cast<long long>(logo.w) * place.percent / 100, place.w));
    const int logo_h = static_cast<int>(
        std::min<long long>(static_cast<long long>(logo.h) * place.percent / 100, place.h));
    for (ExportCanvas& c : canvases) FillMargins(c, place, logo_w, logo_h);
    return true;
}

}  // namespace vx
