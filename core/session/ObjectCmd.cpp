#include "session/ObjectCmd.h"

#include "session/EditMenu.h"

namespace vx {

BarRequest ObjectCmdBar(const LeFile& lf, int k) {
    return HasCurrent(lf) ? ObjectBar(*lf.obj[lf.cur], k) : BarRequest{};
}

BarRequest ObjectBar(const LogoObject& o, int k) {
    if (k == 4) return {BarKind::COLOR, o.lt.grad ? 1 : 0};
    if (o.type == TEXT_OBJECT) {
        constexpr BarKind TEXT_BARS[] = {BarKind::TEXT, BarKind::EFFECTS, BarKind::GRADIENT,
                                         BarKind::TRANSFORM};
        if (k >= 0 && k < 4) return {TEXT_BARS[k]};
        return {};
    }
    constexpr BarKind SHAPE_BARS[] = {BarKind::IMAGE, BarKind::SHAPE, BarKind::EFFECTS,
                                      BarKind::GRADIENT};
    if (k == 0 && o.type == BITMAP_OBJECT) return {};
    if (k >= 0 && k < 4) return {SHAPE_BARS[k]};
    return {};
}

}  // namespace vx
