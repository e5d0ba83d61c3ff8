#include "session/StyleRow.h"

#include <algorithm>

#include "document/ParamFields.h"
#include "document/StyleFields.h"
#include "session/EditMenu.h"
#include "session/Session.h"
#include "session/ShippedFaces.h"

namespace vx {

namespace {
constexpr int PREVIEW_SIZE = 24;
constexpr float HOVER_LIGHTEN = 50.0f;
}  // namespace

float StyleHueOffset(int n, int nb) {
    return nb > 0 ? static_cast<float>(n) * 239.0f / static_cast<float>(nb) : 0.0f;
}

LogoParams StyleVariant(const LogoParams& style, int n, int nb) {
    LogoParams lt = style;
    ShiftStyleHue(lt, StyleHueOffset(n, nb));
    return lt;
}

LogoParams StylePreview(const LogoParams& variant, bool lit) {
    LogoParams lt;
    lt.font = NEW_SHAPE_FACE;
    lt.shape = NEW_SHAPE_GLYPH;
    lt.width = lt.size = PREVIEW_SIZE;
    CopyStyle(variant, lt);
    if (lit)
        VisitColorFields(
            [](const char*, HslF& c) { c.l = std::clamp(c.l + HOVER_LIGHTEN, 0.0f, 240.0f); }, lt);
    return lt;
}

bool ApplyStyle(Session& s, const LogoParams& variant) {
    if (!HasCurrent(s.lf)) return false;
    CopyStyle(variant, s.lf.obj[s.lf.cur]->lt);
    s.Track();
    return true;
}

}  // namespace vx
