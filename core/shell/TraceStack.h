#pragma once

// The chain of checked calls in progress, outermost first. A fatal report
// prints it so the user sees the path that led to a failure.
//
// One global instance, used from the user-interface thread only.

namespace vx {

constexpr int TRACE_FRAMES = 100;

struct TraceStack {
    const char* exprs[TRACE_FRAMES];
    const char* files[TRACE_FRAMES];
    int lines[TRACE_FRAMES];
    int depth;

    // Frames past the capacity are counted but not stored, so runaway nesting
    // can never write outside the arrays.
    void Push(const char* expr, const char* file, int line) noexcept {
        if (depth >= 0 && depth < TRACE_FRAMES) {
            exprs[depth] = expr;
            files[depth] = file;
            lines[depth] = line;
        }
        ++depth;
    }
    void Pop() noexcept { --depth; }

    // Number of frames whose texts are held (depth clamped to the capacity).
    int StoredFrames() const noexcept;
};

extern TraceStack traceStack;

// Pushes a frame for the lifetime of one checked call; the pop happens after any
// fatal report has returned.
class TraceFrame {
public:
    TraceFrame(const char* expr, const char* file, int line) noexcept {
        traceStack.Push(expr, file, line);
    }
    ~TraceFrame() { traceStack.Pop(); }
    TraceFrame(const TraceFrame&) = delete;
    TraceFrame& operator=(const TraceFrame&) = delete;
};

}  // namespace vx
