#include "shell/EndProgram.h"

#include <cstdlib>
#include <utility>

#include "shell/Hook.h"

namespace vx {

namespace {

void QuickExit(int code) {
    std::_Exit(code);
}

Hook<void(int)>& EndHook() {
    static Hook<void(int)> hook(QuickExit);
    return hook;
}

}  // namespace

EndProgramHandler SetEndProgramHandler(EndProgramHandler handler) {
    return EndHook().Set(std::move(handler));
}

void EndProgram(int code) {
    EndHook()(code);
    std::_Exit(code);  // a handler that returned still ends the program
}

}  // namespace vx
