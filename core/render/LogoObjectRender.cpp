// LogoObject's rendering and painting: text and shapes through their FtText,
// imported bitmaps with their own alpha, loaded on first use.

#include "codecs/CustomBitmap.h"
#include "document/LogoObject.h"
#include "render/Color.h"
#include "render/FtText.h"
#include "render/RenderMath.h"
#include "shell/Buffers.h"
#include "shell/Checked.h"

namespace vx {

FtText& RendererOf(LogoObject& o) {
    if (!o.ft) o.ft = std::make_unique<FtText>();
    return static_cast<FtText&>(*o.ft);
}

const FtText* RendererOf(const LogoObject& o) {
    return static_cast<const FtText*>(o.ft.get());
}

int LogoObject::Update() {
    if (type == BITMAP_OBJECT) return 0;  // sized by its image
    FtText& r = RendererOf(*this);
    VX_CALL(r.Render(lt, 0, 1), "ft.Render(lt,0,1)");
    w = r.szx;
    h = r.szy;
    return 0;
}

int LogoObject::BltToBuf(std::uint32_t* dta, int szx, int szy, int dox, int doy) {
    // Positions come from files: add in 64 bits.
    const int cx = ClampPosition(static_cast<long long>(x) + dox);
    const int cy = ClampPosition(static_cast<long long>(y) + doy);
    if (type == BITMAP_OBJECT) {
        VX_CALL(BltCust(dta, szx, szy, cx, cy), "BltCust(dta,szx,szy,ox+dox,oy+doy)");
    } else {
        VX_CALL(RendererOf(*this).BltToBuf(lt, dta, szx, szy, cx, cy, 1, 1),
                "ft.BltToBuf(lt,dta,szx,szy,ox+dox,oy+doy,TRUE,TRUE)");
    }
    return 0;
}

int LogoObject::BltToBufCnt(std::uint32_t* dta, int szx, int szy) {
    if (type == BITMAP_OBJECT) {
        VX_CALL(BltCust(dta, szx, szy, szx / 2, szy / 2), "BltCust(dta,szx,szy,szx/2,szy/2)");
    } else {
        VX_CALL(RendererOf(*this).BltToBuf(lt, dta, szx, szy, szx / 2, szy / 2, 1, 1),
                "ft.BltToBuf(lt,dta,szx,szy,szx/2,szy/2,TRUE,TRUE)");
    }
    return 0;
}

int LogoObject::BltCust(std::uint32_t* dta, int szx, int szy, int cx, int cy) {
    if (cbm.empty() && !LoadCustomBitmap()) return 0;  // not loadable: not painted
    const auto area = CheckedArea(w, h);
    VX_CHECK(area && cbm.size() == *area, "cbm.size()==w*h");
    if (!area || cbm.size() != *area || dta == nullptr) return 0;
    const int x0 = ClampPosition(static_cast<long long>(cx) - w / 2);
    const int y0 = ClampPosition(static_cast<long long>(cy) - h / 2);
    const ClipRange cols = Clip(x0, w, szx);
    const ClipRange rows = Clip(y0, h, szy);
    if (cols.empty() || rows.empty()) return 0;
    for (int r = rows.from; r < rows.to; ++r) {
        const std::uint32_t* src = &cbm[static_cast<std::size_t>(r) * w];
        std::uint32_t* dst = dta + static_cast<std::size_t>(y0 + r) * szx;
        for (int c = cols.from; c < cols.to; ++c) {
            const std::uint32_t p = src[c];
            dst[x0 + c] = Blend(dst[x0 + c], p, p >> 24);
        }
    }
    return 0;
}

int LogoObject::LoadCustomBitmap() {
    FileStamp stamp = StampOf(file);
    if (failed_load && *failed_load == stamp) return 0;
    BitmapPixels pixels;
    if (!LoadBitmapFile(file, pixels)) {
        failed_load = std::move(stamp);
        return 0;
    }
    failed_load.reset();
    cbm = std::move(pixels.px);
    w = pixels.w;
    h = pixels.h;
    return 1;
}

}  // namespace vx
