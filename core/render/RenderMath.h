#pragma once

// Small numeric helpers of the renderer: float-to-integer conversions that stay
// defined for any value a document can hold, and rectangle clipping.

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace vx {

// Truncates toward zero, clamped to [lo, hi]; NaN gives `lo`. Document floats
// may be NaN or infinite, and a plain cast of those is undefined.
inline int TruncClamp(double v, int lo, int hi) {
    if (!(v >= lo)) return lo;
    if (v > hi) return hi;
    return static_cast<int>(v);
}

// An opacity or strength 0..1 as a byte weight 0..255, truncated.
inline int UnitWeight(float v) {
    return TruncClamp(static_cast<double>(v * 255.0f), 0, 255);
}

// The indices i of 0..len-1 whose target `start + i` lies in 0..limit-1, as the
// half-open range [from, to) (empty when from >= to). 64-bit so that no
// position a document holds can overflow.
struct ClipRange {
    int from = 0;
    int to = 0;
    bool empty() const { return from >= to; }
};

inline ClipRange Clip(long long start, int len, int limit) {
    const long long from = std::max(0LL, -start);
    const long long to = std::min<long long>(len, static_cast<long long>(limit) - start);
    if (len <= 0 || limit <= 0 || from >= to) return ClipRange{};
    return ClipRange{static_cast<int>(from), static_cast<int>(to)};
}

// A position a long computation produced, brought back into int range far
// outside any buffer.
inline int ClampPosition(long long v) {
    constexpr long long LIMIT = 1LL << 30;
    return static_cast<int>(std::clamp(v, -LIMIT, LIMIT));
}

}  // namespace vx
