#pragma once

// Plain messages to the user ("File could not be opened: ...") that do not stop
// the program. The window layer shows them in a modal message box; the
// command-line tool prints them to stderr; tests record them.

#include <functional>
#include <string>

namespace vx {

using MessageHandler = std::function<void(const std::string& text)>;

// Installs `handler` and returns the previous one; an empty handler restores the
// default, which prints to stderr.
MessageHandler SetMessageHandler(MessageHandler handler);

void ShowMessage(const std::string& text);

}  // namespace vx
