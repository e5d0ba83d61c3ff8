#include "session/BarRules.h"

#include <algorithm>

namespace vx {

EffectsEnabling EffectsEnablingOf(bool has_outline, bool has_shadow) {
    return {has_outline, has_shadow, has_outline || has_shadow};
}

TransformEnabling TransformEnablingOf(bool has_transform, bool has_bend) {
    return {has_transform, has_transform, has_transform && has_bend};
}

void ApplyImopt(LogoParams& lt, const ImoptControls& c) {
    lt.angle = c.rotation;
    lt.has_transform = c.rotation != 0.0f ? 1 : 0;
    lt.width = c.width;
    lt.size = c.constrain ? c.width : c.height;
}

int ClampCanvasSide(int v) {
    return std::clamp(v, 5, 3000);
}

void SetFixedCanvas(LeFile& lf, bool fixed) {
    lf.fixed_canvas = fixed ? 1 : 0;
    SetCanvasSize(lf, LeFile::ob.dw, LeFile::ob.dh);
}

void SetCanvasSize(LeFile& lf, int w, int h) {
    lf.canvas_w = ClampCanvasSide(w);
    lf.canvas_h = ClampCanvasSide(h);
}

}  // namespace vx
