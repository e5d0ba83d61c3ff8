// to-json and from-json: project files as JSON for scripts.

#include <cstdio>
#include <fstream>
#include <sstream>

#include "cli/Commands.h"
#include "cli/OpenProject.h"
#include "cli/ProjectJson.h"
#include "document/ProjectFile.h"
#include "shell/AtomicFile.h"

namespace vx::cli {

int ToJson(Args args) {
    if (args.size() != 1) return Misuse("to-json");
    const std::string& path = args[0];
    LeFile lf;
    std::uint32_t version = 0;
    if (const Result opened = OpenProject(path, lf, version); !opened)
        return Fail(opened.message());
    std::printf("%s\n", ProjectToJson(lf, version).dump(2).c_str());
    return 0;
}

int FromJson(Args args) {
    if (args.size() != 2) return Misuse("from-json");
    const std::string& in = args[0];
    const std::string& out = args[1];
    std::ifstream file(in, std::ios::binary);
    if (!file) return Fail(in + ": cannot be opened");
    nlohmann::json j = nlohmann::json::parse(file, nullptr, /*allow_exceptions=*/false);
    if (j.is_discarded()) return Fail(in + ": not valid JSON");

    LeFile lf;
    std::uint32_t version = PROJECT_VERSION;
    if (const Result read = ProjectFromJson(j, lf, version); !read)
        return Fail(in + ": " + read.message());

    if (const Result written = WriteFileAtomically(out, EncodeProject(lf, version)); !written)
        return Fail(MSG_CANNOT_SAVE + out + " (" + written.message() + ")");
    return 0;
}

}  // namespace vx::cli
