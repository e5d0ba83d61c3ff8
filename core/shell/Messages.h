#pragma once

// Plain messages to the user ("File could not be opened: ...") that do not stop
// the program. The window layer shows them in a modal message box; the
// command-line tool prints them to stderr; tests record them.

#include <functional>
#include <string>

namespace vx {

// The texts shared by the layers and the window; each is shown as it stands,
// the "...: " ones followed by the file's path.
inline constexpr const char* MSG_CANNOT_OPEN = "File could not be opened: ";
inline constexpr const char* MSG_CANNOT_SAVE = "File could not be saved: ";
inline constexpr const char* MSG_WRONG_VERSION =
    "File could not be opened by this version of the software.";
inline constexpr const char* MSG_STYLES_MISSING =
    "Style library could not be opened. Please reinstall software.";
inline constexpr const char* MSG_CORRUPT_INSTALL =
    "Installation package corrupted. Please reinstall Vexo Logo";

using MessageHandler = std::function<void(const std::string& text)>;

// Installs `handler` and returns the previous one; an empty handler restores the
// default, which prints to stderr.
MessageHandler SetMessageHandler(MessageHandler handler);

void ShowMessage(const std::string& text);

}  // namespace vx
