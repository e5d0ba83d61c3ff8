#pragma once

#include <functional>
#include <string>

#include "shell/TraceStack.h"

namespace vx {

// Receives the finished report text. The window program shows the "Fatal Error"
// dialog (Retry returns, Cancel ends the process with exit code 0); the
// command-line tool prints it and exits non-zero; tests record it.
using FatalHandler = std::function<void(const std::string& report)>;

// Installs `handler` and returns the previous one. An empty handler restores the
// default, which prints the report to stderr and ends the process with status 1.
FatalHandler SetFatalHandler(FatalHandler handler);

// The address printed at the end of every report.
void SetSupportAddress(std::string address);
const std::string& SupportAddress();

// Builds the report text from `stack` with "\r\n" line breaks.
std::string BuildFatalReport(const TraceStack& stack, int error_code, const char* expression);

// Reports a failed check: builds the text from the global trace stack and hands
// it to the installed handler. `file` and `line` are those of the failed check;
// the text takes them from the frame list.
void ReportFatal(int error_code, const char* expression, const char* file, int line);

// The expression text of an out-of-memory report.
inline constexpr const char* OUT_OF_MEMORY_TEXT = "not enough memory to complete operation";

}  // namespace vx
