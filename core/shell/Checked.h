#pragma once

// The checked-call convention. Every operation of ours returns a status, 0 for
// success; callers wrap calls and consistency conditions so that a failure shows
// the fatal report with the chain of calls in progress.
//
//   VX_CHECK(n >= 0 && n < objs, "n>=0&&n<objs");     condition, false fails
//   VX_CALL(ft.Render(lt, 0, 1), "ft.Render(lt,0,1)"); status call, non-zero fails
//
// Both push a frame (text, file, line), evaluate, report on failure and pop, in
// that order. After the report's "Retry" the caller carries on as if the check
// had passed. The text is the expression as the report shows it.

#include <cerrno>

#include "shell/FatalReport.h"
#include "shell/TraceStack.h"

#define VX_CHECK(cond, text)                                             \
    do {                                                                 \
        const ::vx::TraceFrame vx_frame_(text, __FILE__, __LINE__);      \
        if (!(cond)) ::vx::ReportFatal(errno, text, __FILE__, __LINE__); \
    } while (0)

#define VX_CALL(call, text)                                                  \
    do {                                                                     \
        const ::vx::TraceFrame vx_frame_(text, __FILE__, __LINE__);          \
        if ((call) != 0) ::vx::ReportFatal(errno, text, __FILE__, __LINE__); \
    } while (0)

// An allocation of our own buffers failed: report without pushing a frame.
#define VX_OUT_OF_MEMORY() ::vx::ReportFatal(0, ::vx::OUT_OF_MEMORY_TEXT, __FILE__, __LINE__)
