// LeFile's canvas assembly: every object rendered again and painted back to
// front into the shared canvas, the current object alone into its view, and
// the centring of all objects.

#include <algorithm>
#include <cstdlib>

#include "document/LeFile.h"
#include "render/Color.h"
#include "render/PixelFill.h"
#include "shell/Checked.h"

namespace vx {

namespace {

constexpr int MIN_SPACE = 10;
constexpr std::uint32_t VIEW_LIGHT = 0xECECF1;
constexpr std::uint32_t VIEW_DARK = 0xD0D8DA;

}  // namespace

int LeFile::Update(int w, int h, int cw, int ch) {
    if (w < MIN_SPACE || h < MIN_SPACE) return 0;
    if (cw > 0) ob.cdw = cw;
    if (ch > 0) ob.cdh = ch;
    const std::uint32_t background = HslToRgb(bgc);
    const int count = std::clamp(objs, 0, MAX_OBJS);

    if (count == 0) {
        ob.dw = w / 2;
        ob.dh = h / 2;
        FillSolid(ob.dta, ob.dw, ob.dh, background);
        FillChecker(ob.cdta, ob.cdw, ob.cdh, VIEW_LIGHT, VIEW_DARK);
        return 0;
    }

    for (int n = 0; n < count; ++n) {
        VX_CHECK(obj[n] != nullptr, "obj[n]!=NULL");
        if (obj[n]) VX_CALL(obj[n]->Update(), "obj[n]->Update()");
    }

    // How far the logo reaches from its centre, mirrored, at most the space.
    long long maxx = -10000;
    long long maxy = -10000;
    for (int n = 0; n < count; ++n) {
        if (!obj[n]) continue;
        const ObjectBox b = BoxOf(*obj[n]);
        maxx = std::max({maxx, std::llabs(b.left), std::llabs(b.right)});
        maxy = std::max({maxy, std::llabs(b.top), std::llabs(b.bottom)});
    }
    maxx = std::min<long long>(maxx, w / 2);
    maxy = std::min<long long>(maxy, h / 2);
    // Halfway between the logo's extent and the space: a small logo keeps a
    // margin that grows with the window.
    int hx = static_cast<int>((w / 2 + maxx) / 2);
    int hy = static_cast<int>((h / 2 + maxy) / 2);
    ob.dw = 2 * hx;
    ob.dh = 2 * hy;
    if (fixed_canvas) {
        // A canvas larger than the space is cut at the right and bottom.
        ob.dw = std::max(1, std::min(w, canvas_w));
        ob.dh = std::max(1, std::min(h, canvas_h));
        hx = canvas_w / 2;
        hy = canvas_h / 2;
    }

    FillSolid(ob.dta, ob.dw, ob.dh, background);
    FillChecker(ob.cdta, ob.cdw, ob.cdh, VIEW_LIGHT, VIEW_DARK);
    if (ob.dta.empty()) return 0;  // reported as out of memory

    for (int n = 0; n < count; ++n)
        if (obj[n])
            VX_CALL(obj[n]->BltToBuf(ob.dta.data(), ob.dw, ob.dh, hx, hy),
                    "obj[n]->BltToBuf(ob.dta,ob.dw,ob.dh,maxx,maxy)");
    if (cur >= 0) {
        VX_CHECK(cur < objs, "cur<objs");
        if (cur < count && obj[cur] && !ob.cdta.empty())
            VX_CALL(obj[cur]->BltToBufCnt(ob.cdta.data(), ob.cdw, ob.cdh),
                    "obj[cur]->BltToBufCnt(ob.cdta,ob.cdw,ob.cdh)");
    }
    return 0;
}

}  // namespace vx
