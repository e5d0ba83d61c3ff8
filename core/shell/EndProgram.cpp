#include "shell/EndProgram.h"

#include <cstdlib>
#include <utility>

namespace vx {

namespace {

void QuickExit(int code) {
    std::_Exit(code);
}

EndProgramHandler& Handler() {
    static EndProgramHandler handler = QuickExit;
    return handler;
}

}  // namespace

EndProgramHandler SetEndProgramHandler(EndProgramHandler handler) {
    if (!handler) handler = QuickExit;
    return std::exchange(Handler(), std::move(handler));
}

void EndProgram(int code) {
    const EndProgramHandler handler = Handler();
    handler(code);
    std::_Exit(code);  // a handler that returned still ends the program
}

}  // namespace vx
