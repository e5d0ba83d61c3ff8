#pragma once

// Sub-commands of vexologo-cli. Each takes its own arguments (after the command
// name) and returns the process exit status: 0 success, 1 failure, 2 misuse.

#include <span>
#include <string>

namespace vx::cli {

using Args = std::span<const std::string>;

struct Command {
    const char* name;
    const char* usage;    // arguments, for the help text
    const char* summary;  // one line
    int (*run)(Args args);
};

std::span<const Command> AllCommands();

// Prints "vexologo-cli: <text>" to stderr and returns 1.
int Fail(const std::string& text);
// Prints the usage of `command` to stderr and returns 2.
int Misuse(const char* command);

int ToJson(Args args);
int FromJson(Args args);
int Import(Args args);
int Render(Args args);
int Fonts(Args args);
int Shapes(Args args);
int Export(Args args);
int BrandPack(Args args);

}  // namespace vx::cli
