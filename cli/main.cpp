// vexologo-cli: headless access to the engine for batch work, scripts and checks.

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "cli/Commands.h"
#include "shell/EndProgram.h"
#include "shell/FatalReport.h"
#include "shell/Messages.h"
#include "shell/ProgramFolder.h"

namespace vx::cli {

namespace {

constexpr Command COMMANDS[] = {
    {"to-json", "FILE.zeb", "print a project file as JSON", ToJson},
    {"from-json", "FILE.json OUT.zeb", "write a project file from JSON", FromJson},
    {"import", "IMAGE OUT.png", "decode a picture as Import Custom Bitmap does", Import},
    {"render", "FILE.zeb OUT.png [--size WxH] [--seed N]", "render the logo canvas as a PNG",
     Render},
    {"fonts", "", "list the text fonts: number, category, name, file", Fonts},
    {"shapes", "", "list the shape table: index, face, glyph", Shapes},
    {"export",
     "FILE.zeb OUT [FILE.zeb OUT ...] [--list LIST] [--format png24|png8|gif|bmp|jpeg|tiff|svg] "
     "[--scale PCT] [--margin PX] [--quality Q] [--transparent]",
     "write logos as images or SVG, as the export dialog's Save does", Export},
    {"brand-pack", "FILE.zeb OUTDIR", "write the brand pack: logos, icons, social card", BrandPack},
};

void PrintHelp(std::FILE* to) {
    std::fprintf(to, "Usage: vexologo-cli COMMAND [ARGUMENTS]\n\nCommands:\n");
    for (const Command& c : AllCommands())
        std::fprintf(to, "  %-10s %-34s %s\n", c.name, c.usage, c.summary);
    std::fprintf(to, "  %-10s %-34s %s\n", "help", "", "show this help");
}

}  // namespace

std::span<const Command> AllCommands() {
    return COMMANDS;
}

int Fail(const std::string& text) {
    std::fprintf(stderr, "vexologo-cli: %s\n", text.c_str());
    return 1;
}

int Misuse(const char* command) {
    for (const Command& c : AllCommands())
        if (std::string(c.name) == command)
            std::fprintf(stderr, "Usage: vexologo-cli %s %s\n", c.name, c.usage);
    return 2;
}

int Main(const std::vector<std::string>& args) {
    if (args.empty() || args[0] == "help" || args[0] == "--help" || args[0] == "-h") {
        PrintHelp(stdout);
        return 0;
    }
    for (const Command& c : AllCommands())
        if (args[0] == c.name) return c.run(Args(args).subspan(1));
    std::fprintf(stderr, "vexologo-cli: unknown command '%s'\n\n", args[0].c_str());
    PrintHelp(stderr);
    return 2;
}

}  // namespace vx::cli

int main(int argc, char** argv) {
    // A failed check ends the tool with a non-zero status, the report on stderr.
    vx::SetFatalHandler([](const std::string& report) {
        std::fprintf(stderr, "Fatal error\n%s\n", report.c_str());
        std::exit(1);
    });
    // A corrupt installation ends the tool at once, but never with status 0.
    vx::SetEndProgramHandler([](int) { std::exit(1); });
    vx::SetMessageHandler(
        [](const std::string& text) { std::fprintf(stderr, "vexologo-cli: %s\n", text.c_str()); });
    vx::InitProgramFolder();
    return vx::cli::Main(std::vector<std::string>(argv + 1, argv + argc));
}
