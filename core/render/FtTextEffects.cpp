// FtText::PrepareEffects: the blurred coverage that outline and shadow are
// painted from, and the outline table.

#include <algorithm>

#include "render/EffectBlur.h"
#include "render/EffectFilter.h"
#include "render/FtText.h"

namespace vx {

namespace {

constexpr int MAX_STRENGTH = 10;  // the effects bar's range; bounds the work

}  // namespace

int FtText::PrepareEffects(const LogoParams& lt) {
    if (!lt.has_outline && !lt.has_shadow) return 0;
    const int passes = std::clamp(lt.strength, 0, MAX_STRENGTH) + 1;
    if (!EffectBlur(cov, szx, szy, passes, scale, eff, &eff_range))
        eff = std::vector<std::uint8_t>();
    if (lt.has_outline) otab = OutlineTable(lt.outline_sharpness);
    return 0;
}

}  // namespace vx
