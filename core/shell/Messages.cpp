#include "shell/Messages.h"

#include <cstdio>
#include <utility>

namespace vx {

namespace {

void PrintMessage(const std::string& text) {
    std::fprintf(stderr, "%s\n", text.c_str());
}

MessageHandler& Handler() {
    static MessageHandler handler = PrintMessage;
    return handler;
}

}  // namespace

MessageHandler SetMessageHandler(MessageHandler handler) {
    if (!handler) handler = PrintMessage;
    return std::exchange(Handler(), std::move(handler));
}

void ShowMessage(const std::string& text) {
    const MessageHandler handler = Handler();
    handler(text);
}

}  // namespace vx
