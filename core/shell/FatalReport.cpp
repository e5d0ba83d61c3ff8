#include "shell/FatalReport.h"

#include <cstdio>
#include <cstdlib>
#include <utility>

#include "shell/Hook.h"

#ifndef VX_SUPPORT_ADDRESS
#define VX_SUPPORT_ADDRESS "support@vexologo.org"
#endif

namespace vx {

namespace {

void DefaultFatalHandler(const std::string& report) {
    std::fputs(report.c_str(), stderr);
    std::fputs("\n", stderr);
    std::_Exit(EXIT_FAILURE);
}

Hook<void(const std::string&)>& FatalHook() {
    static Hook<void(const std::string&)> hook(DefaultFatalHandler);
    return hook;
}

std::string& Address() {
    static std::string address = VX_SUPPORT_ADDRESS;
    return address;
}

}  // namespace

FatalHandler SetFatalHandler(FatalHandler handler) {
    return FatalHook().Set(std::move(handler));
}

void SetSupportAddress(std::string address) {
    Address() = std::move(address);
}

const std::string& SupportAddress() {
    return Address();
}

std::string BuildFatalReport(const TraceStack& stack, int error_code, const char* expression) {
    const int frames = stack.StoredFrames();
    std::string msg = "Error sequence: ";
    for (int i = 0; i < frames; ++i) {
        if (i > 0) msg += " -> ";
        msg += stack.exprs[i];
    }
    msg += "\r\n\r\n";
    msg += "Error in line: ";
    msg += expression;
    msg += "\r\n\r\n";
    msg += "Error code: " + std::to_string(error_code) + "\r\n";
    for (int i = 0; i < frames; ++i) {
        msg += "\r\nFile: ";
        msg += stack.files[i];
        msg += "; line: " + std::to_string(stack.lines[i]);
    }
    msg += "\r\n\r\nPlease email this error message to:\r\n";
    msg += SupportAddress();
    return msg;
}

void ReportFatal(int error_code, const char* expression, const char* /*file*/, int /*line*/) {
    FatalHook()(BuildFatalReport(traceStack, error_code, expression));
}

}  // namespace vx
