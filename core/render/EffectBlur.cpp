#include "render/EffectBlur.h"

#include <algorithm>
#include <cmath>

#include "render/EffectFilter.h"
#include "shell/Buffers.h"

namespace vx {

namespace {

constexpr int FRACTION_BITS = 8;
constexpr double MIN_REDUCED_PASSES = 3.0;
// The variance, in reduced pixels, that averaging blocks and interpolating
// back add: (1 - 1/k^2) / 12 and 1/6, about a quarter of one pass.
constexpr double RESAMPLING_SPREAD = 0.25;
constexpr int ONE = 1 << FRACTION_BITS;

// The mean of each k x k block of `src` (w x h) into `dst` (lw x lh); pixels
// beyond the buffer count as 0, as they do for the blur.
void ReduceByBlocks(const std::uint8_t* src, int w, int h, int k, std::uint8_t* dst, int lw,
                    int lh) {
    std::vector<std::uint32_t> sums(static_cast<std::size_t>(lw));
    const std::uint32_t area = static_cast<std::uint32_t>(k) * static_cast<std::uint32_t>(k);
    for (int j = 0; j < lh; ++j) {
        std::fill(sums.begin(), sums.end(), 0u);
        const int y_end = std::min(h, (j + 1) * k);
        for (int y = j * k; y < y_end; ++y) {
            const std::uint8_t* row = src + static_cast<std::size_t>(y) * w;
            for (int x = 0; x < w; ++x) sums[static_cast<std::size_t>(x / k)] += row[x];
        }
        std::uint8_t* out = dst + static_cast<std::size_t>(j) * lw;
        for (int i = 0; i < lw; ++i)
            out[i] = static_cast<std::uint8_t>((sums[i] + area / 2) / area);
    }
}

// Where full-size pixel centre `x` falls between the reduced pixels: the left
// neighbour and the weight of the right one, in 1/256. Pixel centres line up
// (x + 0.5 = k * (u + 0.5)); beyond the outer centres the edge value holds.
struct Tap {
    int i0, i1, f;
};

std::vector<Tap> Taps(int n, int k, int ln) {
    std::vector<Tap> taps(static_cast<std::size_t>(n));
    for (int x = 0; x < n; ++x) {
        const long long u = (static_cast<long long>(2 * x + 1) * ONE) / (2LL * k) - ONE / 2;
        Tap& t = taps[static_cast<std::size_t>(x)];
        if (u <= 0) {
            t = Tap{0, 0, 0};
        } else {
            const int i0 = static_cast<int>(u >> FRACTION_BITS);
            t = i0 + 1 < ln ? Tap{i0, i0 + 1, static_cast<int>(u & (ONE - 1))}
                            : Tap{ln - 1, ln - 1, 0};
        }
    }
    return taps;
}

// Bilinear enlargement of `src` (lw x lh) to `dst` (w x h).
bool Enlarge(const std::vector<std::uint8_t>& src, int lw, int lh, int k, int w, int h,
             std::vector<std::uint8_t>& dst) {
    const std::vector<Tap> cols = Taps(w, k, lw);
    const std::vector<Tap> rows = Taps(h, k, lh);
    // Every reduced row interpolated across once, then rows blended.
    std::vector<std::uint16_t> across;
    const auto across_area = CheckedArea(w, lh);
    const auto area = CheckedArea(w, h);
    if (!across_area || !area || !AllocBuffer(across, *across_area, std::uint16_t{0}) ||
        !AllocBuffer(dst, *area, std::uint8_t{0}))
        return false;
    for (int j = 0; j < lh; ++j) {
        const std::uint8_t* in = &src[static_cast<std::size_t>(j) * lw];
        std::uint16_t* out = &across[static_cast<std::size_t>(j) * w];
        for (int x = 0; x < w; ++x) {
            const Tap& t = cols[static_cast<std::size_t>(x)];
            out[x] = static_cast<std::uint16_t>(in[t.i0] * (ONE - t.f) + in[t.i1] * t.f);
        }
    }
    for (int y = 0; y < h; ++y) {
        const Tap& t = rows[static_cast<std::size_t>(y)];
        const std::uint16_t* a = &across[static_cast<std::size_t>(t.i0) * w];
        const std::uint16_t* b = &across[static_cast<std::size_t>(t.i1) * w];
        std::uint8_t* out = &dst[static_cast<std::size_t>(y) * w];
        for (int x = 0; x < w; ++x)
            out[x] = static_cast<std::uint8_t>(
                (static_cast<std::uint32_t>(a[x]) * static_cast<std::uint32_t>(ONE - t.f) +
                 static_cast<std::uint32_t>(b[x]) * static_cast<std::uint32_t>(t.f) +
                 (1u << (2 * FRACTION_BITS - 1))) >>
                (2 * FRACTION_BITS));
    }
    return true;
}

}  // namespace

int BlurReduction(float scale, int passes) {
    if (!(scale > 1.0f)) return 1;
    const double s = std::min(static_cast<double>(scale), 1.0e6);
    // About as many passes as on screen: the truncation of each pass then
    // thins the blur's tails as it does on screen.
    const double nearest = std::round(s);
    // But at least MIN_REDUCED_PASSES, so that the spread the resampling adds
    // stays small beside the blur's own.
    const double few = std::floor(s * std::sqrt(std::max(passes, 1) / MIN_REDUCED_PASSES));
    return std::max(1, static_cast<int>(std::min(nearest, few)));
}

int ScaledPassCount(int passes, float scale, int k) {
    const double ratio = static_cast<double>(scale) / k;
    const double spread = passes * ratio * ratio - (k > 1 ? RESAMPLING_SPREAD : 0.0);
    return std::max(1, static_cast<int>(std::lround(spread)));
}

bool EffectBlur(const std::vector<std::uint8_t>& cov, int w, int h, int passes, float scale,
                std::vector<std::uint8_t>& eff, StretchRange* stretched) {
    const auto area = CheckedArea(w, h);
    if (!area || *area == 0 || cov.size() != *area) return false;
    const int k = BlurReduction(scale, passes);
    const int lw = (w + k - 1) / k;
    const int lh = (h + k - 1) / k;
    const std::size_t low_area = static_cast<std::size_t>(lw) * static_cast<std::size_t>(lh);
    std::vector<std::uint8_t> low;
    std::vector<std::uint8_t> spare;
    if (!AllocBuffer(low, low_area, std::uint8_t{0}) ||
        !AllocBuffer(spare, low_area, std::uint8_t{0}))
        return false;
    if (k == 1)
        std::copy(cov.begin(), cov.end(), low.begin());
    else
        ReduceByBlocks(cov.data(), w, h, k, low.data(), lw, lh);
    const int n = ScaledPassCount(passes, scale, k);
    for (int p = 0; p < n; ++p) {
        BinomialBlur(low.data(), spare.data(), lw, lh);
        low.swap(spare);
    }
    const StretchRange range = StretchToFullRange(low);
    if (stretched) *stretched = range;
    if (k == 1) {
        eff.swap(low);
        return true;
    }
    return Enlarge(low, lw, lh, k, w, h, eff);
}

}  // namespace vx
