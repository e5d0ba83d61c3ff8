#include "document/StyleFields.h"

#include "document/ParamFields.h"

namespace vx {

void CopyStyle(const LogoParams& from, LogoParams& to) {
    VisitStyleFields([](const char*, auto& dst, const auto& src) { dst = src; }, to, from);
}

void ShiftStyleHue(LogoParams& lt, float offset) {
    VisitColorFields(
        [offset](const char*, HslF& c) {
            c.h += offset;
            if (c.h > 239.0f) c.h -= 239.0f;
        },
        lt);
}

void CopyStyleForNewShape(const LogoParams& from, LogoParams& to) {
    CopyStyle(from, to);
    to.has_outline = 0;
    to.has_shadow = 0;
}

}  // namespace vx
