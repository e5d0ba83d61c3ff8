// FtText::Gradient: the fill layer as a linear two-colour gradient whose colour
// and opacity run across the coverage box at any angle, computed on a scale of
// 9000 steps with a small random dither against banding.

#include <vector>

#include "render/Color.h"
#include "render/FtText.h"
#include "render/GradientDirection.h"
#include "render/Random.h"
#include "render/RenderMath.h"

namespace vx {

namespace {

constexpr std::uint32_t STEPS = GRADIENT_STEPS;
constexpr std::uint32_t FULL = STEPS * 255;  // opacity scale of one pixel

}  // namespace

int FtText::Gradient(const LogoParams& lt, std::uint32_t* out, int bw, int bh, int box,
                     int boy) const {
    const ClipRange cols = Clip(box, szx, bw);
    const ClipRange rows = Clip(boy, szy, bh);
    if (cols.empty() || rows.empty()) return 0;

    const auto [c1, c2, op1, op2, dir] = GradientEndsOf(lt);

    // The column and row terms of t, each truncated on its own.
    const auto w = static_cast<std::uint32_t>(szx);
    const auto h = static_cast<std::uint32_t>(szy);
    std::vector<std::uint32_t> col_t(static_cast<std::size_t>(szx));
    for (std::uint32_t c = 0; c < w; ++c) col_t[c] = (dir.from_right ? w - c : c) * dir.wx / w;
    std::vector<std::uint32_t> row_t(static_cast<std::size_t>(szy));
    for (std::uint32_t r = 0; r < h; ++r) row_t[r] = (dir.from_bottom ? h - r : r) * dir.wy / h;

    RandomSource& random = EngineRandom();
    for (int r = rows.from; r < rows.to; ++r) {
        const std::uint8_t* src = &cov[static_cast<std::size_t>(r) * szx];
        std::uint32_t* dst = out + static_cast<std::size_t>(boy + r) * bw;
        for (int c = cols.from; c < cols.to; ++c) {
            const std::uint32_t v = src[c];
            if (v == 0) continue;
            const auto n = static_cast<std::uint32_t>(7 * random.Next() / RandomSource::MAX);
            const std::uint32_t t = col_t[c] + row_t[r];
            const std::uint32_t u = STEPS - t;
            const std::uint32_t m = (u * op1 + t * op2) * v / 255;
            const std::uint32_t a = m / STEPS;
            // No colour reaches the pixel: leave it as the layers below left it,
            // without the dither (a transparent export would show it as alpha).
            if (a == 0) continue;
            const std::uint32_t keep = FULL - m;
            const std::uint32_t d = dst[box + c];
            auto channel = [&](std::uint32_t e1, std::uint32_t e2, int shift) {
                const std::uint32_t old = (d >> shift) & 0xFF;
                const std::uint32_t nv = (a * (u * e1 + t * e2) + old * keep) / FULL + n;
                return nv > 255 ? 255u : nv;
            };
            dst[box + c] =
                PackRgb(channel(c1.r, c2.r, 16), channel(c1.g, c2.g, 8), channel(c1.b, c2.b, 0));
        }
    }
    return 0;
}

}  // namespace vx
