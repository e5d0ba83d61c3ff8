#include "shell/TraceStack.h"

#include <algorithm>

namespace vx {

// Zero-initialised at process start: depth 0.
TraceStack traceStack;

int TraceStack::StoredFrames() const noexcept {
    return std::clamp(depth, 0, TRACE_FRAMES);
}

}  // namespace vx
