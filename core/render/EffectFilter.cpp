#include "render/EffectFilter.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace vx {

void BinomialBlur(const std::uint8_t* src, std::uint8_t* dst, int w, int h) {
    if (w <= 0 || h <= 0) return;
    const std::size_t W = static_cast<std::size_t>(w);
    // Horizontal sums (at most 16 * 255) of every row, with two zero rows above
    // and below so the vertical pass needs no edge cases.
    std::vector<std::uint16_t> hsum((static_cast<std::size_t>(h) + 4) * W, 0);
    std::vector<std::uint16_t> padded(W + 4, 0);
    for (int y = 0; y < h; ++y) {
        const std::uint8_t* s = src + static_cast<std::size_t>(y) * W;
        std::copy(s, s + W, padded.begin() + 2);
        const std::uint16_t* p = padded.data();
        std::uint16_t* out = &hsum[(static_cast<std::size_t>(y) + 2) * W];
        for (std::size_t x = 0; x < W; ++x)
            out[x] = static_cast<std::uint16_t>(p[x] + 4 * p[x + 1] + 6 * p[x + 2] + 4 * p[x + 3] +
                                                p[x + 4]);
    }
    for (int y = 0; y < h; ++y) {
        const std::uint16_t* r0 = &hsum[static_cast<std::size_t>(y) * W];
        const std::uint16_t* r1 = r0 + W;
        const std::uint16_t* r2 = r1 + W;
        const std::uint16_t* r3 = r2 + W;
        const std::uint16_t* r4 = r3 + W;
        std::uint8_t* out = dst + static_cast<std::size_t>(y) * W;
        // The total stays below 65536 (16 * 16 * 255), so 32-bit is ample.
        for (std::size_t x = 0; x < W; ++x)
            out[x] = static_cast<std::uint8_t>((static_cast<std::uint32_t>(r0[x]) + 4u * r1[x] +
                                                6u * r2[x] + 4u * r3[x] + r4[x]) >>
                                               8);
    }
}

StretchRange StretchToFullRange(std::span<std::uint8_t> bytes) {
    int lo = 255;
    int hi = 0;
    for (const std::uint8_t v : bytes) {
        lo = std::min<int>(lo, v);
        hi = std::max<int>(hi, v);
    }
    if (hi - lo <= 0) return {};
    std::array<std::uint8_t, 256> map{};
    for (int v = lo; v <= hi; ++v) map[v] = static_cast<std::uint8_t>((v - lo) * 255 / (hi - lo));
    for (std::uint8_t& v : bytes) v = map[v];
    return {lo, hi};
}

std::array<int, 256> OutlineTable(float sharpness) {
    // The bar keeps sharpness in 0..1; beyond that the curve overflows.
    const float s = sharpness >= 0.0f ? std::min(sharpness, 1.0f) : 0.0f;
    const auto k = static_cast<float>(std::exp(5.0 * s));
    const double d = std::log(1.0 + k);
    std::array<int, 256> table{};
    for (int i = 0; i < 256; ++i) {
        const double v = 510.0 * std::log(1.0 + static_cast<double>(k) * i * 0.003921568859) / d;
        table[static_cast<std::size_t>(i)] = static_cast<int>(std::min(255.0, v));
    }
    return table;
}

}  // namespace vx
