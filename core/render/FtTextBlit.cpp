// FtText::BltToBuf and its buffer-producing wrappers: the last render painted
// into 0x00RRGGBB pixels in three layers (shadow, fill, outline) with integer
// blending, clipped to the target.

#include "render/Color.h"
#include "render/FtText.h"
#include "render/PixelFill.h"
#include "render/RenderMath.h"
#include "render/ShadowOffset.h"
#include "shell/Buffers.h"
#include "shell/Checked.h"

namespace vx {

namespace {

constexpr std::uint32_t SHAPE_SELECTOR_LIGHT = 0xFFFFFF;
constexpr std::uint32_t SHAPE_SELECTOR_DARK = 0xC0C0C0;

// Paints one layer: the object's szx x szy pixels placed with their top-left at
// (x0, y0) in `out`. `weight(i)` gives the blend weight of source pixel i, or a
// negative value where the layer has nothing (that pixel stays untouched).
template <class Weight>
void PaintLayer(std::uint32_t* out, int bw, int bh, int x0, int y0, int szx, int szy,
                std::uint32_t colour, Weight weight) {
    const ClipRange cols = Clip(x0, szx, bw);
    const ClipRange rows = Clip(y0, szy, bh);
    if (cols.empty() || rows.empty()) return;
    for (int r = rows.from; r < rows.to; ++r) {
        std::uint32_t* dst = out + static_cast<std::size_t>(y0 + r) * bw;
        const std::size_t src = static_cast<std::size_t>(r) * szx;
        for (int c = cols.from; c < cols.to; ++c) {
            const int a = weight(src + c);
            if (a >= 0) dst[x0 + c] = Blend(dst[x0 + c], colour, static_cast<std::uint32_t>(a));
        }
    }
}

}  // namespace

int FtText::BltToBuf(const LogoParams& lt, std::uint32_t* out, int bw, int bh, int box, int boy,
                     int xcnt, int ycnt) const {
    const auto area = CheckedArea(szx, szy);
    if (out == nullptr || bw <= 0 || bh <= 0 || !area || cov.size() != *area) return 0;
    const int x0 = ClampPosition(static_cast<long long>(box) - (xcnt ? szx / 2 : org_x));
    const int y0 = ClampPosition(static_cast<long long>(boy) - (ycnt ? szy / 2 : org_y));
    // Outline and shadow exist only after a render with effects.
    const bool has_eff = eff.size() == cov.size();
    const std::uint8_t* cv = cov.data();
    const std::uint8_t* ef = eff.data();

    if (lt.has_shadow && has_eff) {
        const PixelOffset d = ShadowOffset(lt, scale);
        const int op = UnitWeight(lt.shadow_opacity);
        PaintLayer(out, bw, bh, ClampPosition(static_cast<long long>(x0) + d.dx),
                   ClampPosition(static_cast<long long>(y0) + d.dy), szx, szy,
                   HslToRgb(lt.shadow_color), [&](std::size_t i) {
                       const int v = ef[i];
                       return v > 0 ? v * op / 255 : -1;
                   });
    }

    if (lt.grad) {
        VX_CALL(Gradient(lt, out, bw, bh, x0, y0), "Gradient(lt,out,bw,bh,box,boy)");
    } else {
        PaintLayer(out, bw, bh, x0, y0, szx, szy, HslToRgb(lt.color), [&](std::size_t i) {
            const int v = cv[i];
            return v > 0 ? v : -1;
        });
    }

    if (lt.has_outline && has_eff) {
        const int k = UnitWeight(lt.outline_opacity);
        PaintLayer(out, bw, bh, x0, y0, szx, szy, HslToRgb(lt.outline_color), [&](std::size_t i) {
            const int v = cv[i];
            const int e = ef[i];
            if (v >= 255 || e == 0) return -1;
            return otab[static_cast<std::size_t>(e)] * (255 - v) * k / 65025;
        });
    }
    return 0;
}

int FtText::BltToDC(const LogoParams& lt, std::vector<std::uint32_t>& dta, int dw, int dh, int box,
                    std::uint32_t bgc, bool xcnt, bool chk) const {
    const bool filled = chk ? FillChecker(dta, dw, dh, SHAPE_SELECTOR_DARK, SHAPE_SELECTOR_LIGHT)
                            : FillSolid(dta, dw, dh, bgc);
    if (!filled) return 0;
    // Always centred vertically; horizontally at `box` unless centred.
    return BltToBuf(lt, dta.data(), dw, dh, xcnt ? dw / 2 : box, dh / 2, xcnt ? 1 : 0, 1);
}

int FtText::BltToBitmap(const LogoParams& lt, std::vector<std::uint32_t>& dta, int dw, int dh,
                        std::uint32_t bgc) const {
    if (!FillSolid(dta, dw, dh, bgc)) return 0;
    return BltToBuf(lt, dta.data(), dw, dh, dw / 2, dh / 2, 1, 1);
}

bool FtText::RenderComplete(const LogoParams& lt) const {
    const auto area = CheckedArea(szx, szy);
    const bool wants_effects = lt.has_outline || lt.has_shadow;
    return area && cov.size() == *area && (!wants_effects || eff.size() == *area);
}

}  // namespace vx
