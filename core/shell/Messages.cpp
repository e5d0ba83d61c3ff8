#include "shell/Messages.h"

#include <cstdio>
#include <utility>

#include "shell/Hook.h"

namespace vx {

namespace {

void PrintMessage(const std::string& text) {
    std::fprintf(stderr, "%s\n", text.c_str());
}

Hook<void(const std::string&)>& MessageHook() {
    static Hook<void(const std::string&)> hook(PrintMessage);
    return hook;
}

}  // namespace

MessageHandler SetMessageHandler(MessageHandler handler) {
    return MessageHook().Set(std::move(handler));
}

void ShowMessage(const std::string& text) {
    MessageHook()(text);
}

}  // namespace vx
