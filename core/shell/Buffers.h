#pragma once

// Sizes and allocations of our own buffers. Pixel and byte counts are computed
// in size_t through one checked multiply, never as int products; a failed
// allocation is reported as out of memory instead of escaping as an exception.

#include <cstddef>
#include <new>
#include <optional>
#include <stdexcept>
#include <vector>

#include "shell/Checked.h"

namespace vx {

// w * h for non-negative dimensions; nothing when either is negative or the
// product does not fit.
inline std::optional<std::size_t> CheckedArea(long long w, long long h) {
    if (w < 0 || h < 0) return std::nullopt;
    std::size_t area = 0;
    if (__builtin_mul_overflow(static_cast<std::size_t>(w), static_cast<std::size_t>(h), &area))
        return std::nullopt;
    return area;
}

// Resizes `v` to `n` elements (new ones `fill`); false instead of an exception
// when memory runs out, for callers that refuse the input rather than report.
template <class T>
bool TryResize(std::vector<T>& v, std::size_t n, const T& fill = T{}) {
    try {
        v.resize(n, fill);
        return true;
    } catch (const std::bad_alloc&) {
    } catch (const std::length_error&) {
    }
    v = std::vector<T>();
    return false;
}

// Replaces the contents of `v` by `n` copies of `fill`. On allocation failure
// reports out of memory, leaves `v` empty and returns false.
template <class T>
bool AllocBuffer(std::vector<T>& v, std::size_t n, const T& fill = T{}) {
    v.clear();
    if (TryResize(v, n, fill)) return true;
    VX_OUT_OF_MEMORY();
    return false;
}

}  // namespace vx
