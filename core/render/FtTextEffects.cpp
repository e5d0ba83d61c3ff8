// FtText::PrepareEffects: the blurred coverage that outline and shadow are
// painted from, and the outline table.

#include <algorithm>

#include "render/EffectFilter.h"
#include "render/FtText.h"
#include "shell/Buffers.h"

namespace vx {

namespace {

constexpr int MAX_STRENGTH = 10;  // the effects bar's range; bounds the work

}  // namespace

int FtText::PrepareEffects(const LogoParams& lt) {
    if (!lt.has_outline && !lt.has_shadow) return 0;
    if (!AllocBuffer(eff, cov.size(), std::uint8_t{0})) return 0;
    std::copy(cov.begin(), cov.end(), eff.begin());
    std::vector<std::uint8_t> spare;
    if (!AllocBuffer(spare, cov.size(), std::uint8_t{0})) {
        eff = std::vector<std::uint8_t>();
        return 0;
    }
    const int passes = std::clamp(lt.strength, 0, MAX_STRENGTH) + 1;
    for (int p = 0; p < passes; ++p) {
        BinomialBlur(eff.data(), spare.data(), szx, szy);
        eff.swap(spare);
    }
    StretchToFullRange(eff);
    if (lt.has_outline) otab = OutlineTable(lt.outline_sharpness);
    return 0;
}

}  // namespace vx
