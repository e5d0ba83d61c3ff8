#include "export/ExportSize.h"

#include <algorithm>
#include <climits>

#include "render/ShadowOffset.h"
#include "shell/Checked.h"

namespace vx {

bool UpdateExportObjects(LeFile& le) {
    bool scalable = true;
    for (int n = 0; n < std::clamp(le.objs, 0, MAX_OBJS); ++n) {
        LogoObject* o = le.obj[n].get();
        if (!o) continue;
        if (o->type == BITMAP_OBJECT) {
            // A picture that cannot be loaded keeps its stored size and is not drawn.
            if (o->cbm.empty()) o->LoadCustomBitmap();
            scalable = false;
        } else {
            VX_CALL(o->Update(), "obj[n]->Update()");
        }
    }
    return scalable;
}

ObjectBox ExportBox(const LeFile& le) {
    ObjectBox box{0, 0, 0, 0};
    bool any = false;
    const auto add = [&](const ObjectBox& b) {
        box = any ? ObjectBox{std::min(box.left, b.left), std::max(box.right, b.right),
                              std::min(box.top, b.top), std::max(box.bottom, b.bottom)}
                  : b;
        any = true;
    };
    for (int n = 0; n < std::clamp(le.objs, 0, MAX_OBJS); ++n) {
        const LogoObject* o = le.obj[n].get();
        if (!o) continue;
        const ObjectBox b = BoxOf(*o);
        add(b);
        if (o->type == BITMAP_OBJECT || !o->lt.has_shadow) continue;
        const PixelOffset d = ShadowOffset(o->lt);
        add(ObjectBox{b.left + d.dx, b.right + d.dx, b.top + d.dy, b.bottom + d.dy});
    }
    return box;
}

ExportLogo OpenExport(LeFile& le) {
    ExportLogo logo;
    logo.scalable = UpdateExportObjects(le);
    if (le.fixed_canvas) {
        logo.w = le.canvas_w;
        logo.h = le.canvas_h;
    } else if (le.objs > 0) {
        VX_CALL(le.CenterObjects(logo.w, logo.h), "le->CenterObjects(w,h)");
        // Shadows thrown past the objects' boxes are part of the picture.
        const ObjectBox box = ExportBox(le);
        const auto side = [](long long v) {
            return static_cast<int>(std::min<long long>(v, INT_MAX));
        };
        logo.w = side(box.right - box.left);
        logo.h = side(box.bottom - box.top);
    }
    if (!logo.CanSave()) logo.w = logo.h = 0;
    return logo;
}

int ClampExportScale(int percent) {
    return std::clamp(percent, EXPORT_MIN_SCALE, EXPORT_MAX_SCALE);
}

int ClampExportMargin(int pixels) {
    return std::clamp(pixels, 0, EXPORT_MAX_MARGIN);
}

int ClampExportQuality(int quality) {
    return std::clamp(quality, EXPORT_MIN_QUALITY, EXPORT_MAX_QUALITY);
}

int EffectiveScale(const ExportLogo& logo, int percent) {
    return logo.scalable ? ClampExportScale(percent) : 100;
}

ExportSize OutputSize(const ExportLogo& logo, int percent, int margin) {
    if (!logo.CanSave()) return ExportSize{};
    const long long s = EffectiveScale(logo, percent);
    const long long m = ClampExportMargin(margin);
    return ExportSize{logo.w * s / 100 + 2 * m, logo.h * s / 100 + 2 * m};
}

bool ExportSizeAllowed(ExportSize size) {
    return size.w > 0 && size.h > 0 && size.w <= EXPORT_MAX_SIDE && size.h <= EXPORT_MAX_SIDE &&
           size.w * size.h <= EXPORT_MAX_PIXELS;
}

std::string ExportTooLargeText(ExportSize size, const std::string& what) {
    return what + " would be " + std::to_string(size.w) + " x " + std::to_string(size.h) +
           " pixels; an export can be at most " + std::to_string(EXPORT_MAX_SIDE) +
           " pixels a side and " + std::to_string(EXPORT_MAX_PIXELS >> 20) +
           " megapixels. Choose a smaller scale.";
}

}  // namespace vx
