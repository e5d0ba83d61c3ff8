#pragma once

// Ends the program at once, for failures after which nothing sensible can
// continue (a corrupt installation). The window program exits with the given
// code without clean-up; the command-line tool installs a handler that exits
// non-zero, so a script never mistakes the failure for success.

#include <functional>

namespace vx {

// The handler must not return.
using EndProgramHandler = std::function<void(int code)>;

EndProgramHandler SetEndProgramHandler(EndProgramHandler handler);

[[noreturn]] void EndProgram(int code);

}  // namespace vx
