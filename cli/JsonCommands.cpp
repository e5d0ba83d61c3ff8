// to-json and from-json: project files as JSON for scripts.

#include <cstdio>
#include <fstream>
#include <sstream>

#include "cli/Commands.h"
#include "cli/ProjectJson.h"
#include "document/ProjectFile.h"
#include "shell/AtomicFile.h"

namespace vx::cli {

int ToJson(Args args) {
    if (args.size() != 1) return Misuse("to-json");
    const std::string& path = args[0];
    LeFile lf;
    const ProjectResult r = ReadProjectFile(path, lf);
    switch (r.status) {
        case ProjectStatus::OK:
            break;
        case ProjectStatus::REFUSED:
            return Fail(path + ": " + MSG_WRONG_VERSION + " (" + r.detail + ")");
        case ProjectStatus::CANNOT_OPEN:
        case ProjectStatus::UNREADABLE:
            return Fail(MSG_CANNOT_OPEN + path + " (" + r.detail + ")");
    }
    std::printf("%s\n", ProjectToJson(lf, r.version).dump(2).c_str());
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
    const std::string error = ProjectFromJson(j, lf, version);
    if (!error.empty()) return Fail(in + ": " + error);

    std::string why;
    if (!WriteFileAtomically(out, EncodeProject(lf, version), &why))
        return Fail(MSG_CANNOT_SAVE + out + " (" + why + ")");
    return 0;
}

}  // namespace vx::cli
