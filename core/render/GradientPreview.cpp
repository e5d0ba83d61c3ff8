#include "render/GradientPreview.h"

#include "render/Color.h"
#include "render/GradientDirection.h"
#include "render/Random.h"
#include "render/RenderMath.h"
#include "shell/Buffers.h"

namespace vx {

namespace {

constexpr std::uint32_t FULL = GRADIENT_STEPS * 255;
constexpr int CELL = 8;

}  // namespace

void PaintGradientPreview(const LogoParams& lt, std::vector<std::uint32_t>& px, int w, int h) {
    px.clear();
    const auto area = CheckedArea(w, h);
    if (w <= 0 || h <= 0 || !area || !AllocBuffer(px, *area)) return;
    const auto [c1, c2, op1, op2, dir] = GradientEndsOf(lt);
    const auto uw = static_cast<std::uint32_t>(w);
    const auto uh = static_cast<std::uint32_t>(h);
    RandomSource& random = EngineRandom();
    for (std::uint32_t y = 0; y < uh; ++y) {
        const std::uint32_t row_t = (dir.from_bottom ? uh - y : y) * dir.wy / uh;
        std::uint32_t* dst = &px[static_cast<std::size_t>(y) * uw];
        for (std::uint32_t x = 0; x < uw; ++x) {
            const std::uint32_t p = row_t + (dir.from_right ? uw - x : x) * dir.wx / uw;
            const std::uint32_t q = GRADIENT_STEPS - p;
            const bool grey = ((x / CELL) + (y / CELL)) % 2 == 0;
            const std::uint32_t back = grey ? 128 : 255;
            const std::uint32_t m = q * op1 + p * op2;
            const std::uint32_t a = m / GRADIENT_STEPS;
            const auto n = static_cast<std::uint32_t>(7 * random.Next() / RandomSource::MAX);
            auto channel = [&](std::uint32_t e1, std::uint32_t e2) {
                const std::uint32_t v = ((q * e1 + p * e2) * a + back * (FULL - m)) / FULL + n;
                return v > 255 ? 255u : v;
            };
            dst[x] = PackRgb(channel(c1.r, c2.r), channel(c1.g, c2.g), channel(c1.b, c2.b));
        }
    }
}

}  // namespace vx
