#include "cli/OpenProject.h"

#include "document/ProjectFile.h"
#include "shell/Messages.h"

namespace vx::cli {

Result OpenProject(const std::string& path, LeFile& lf, std::uint32_t& version) {
    const ProjectResult r = ReadProjectFile(path, lf);
    switch (r.status) {
        case ProjectStatus::OK:
            version = r.version;
            return {};
        case ProjectStatus::REFUSED:
            return Result::Failure(path + ": " + MSG_WRONG_VERSION + " (" + r.detail + ")");
        case ProjectStatus::CANNOT_OPEN:
        case ProjectStatus::UNREADABLE:
            break;
    }
    return Result::Failure(MSG_CANNOT_OPEN + path + " (" + r.detail + ")");
}

Result OpenProject(const std::string& path, LeFile& lf) {
    std::uint32_t version = 0;
    return OpenProject(path, lf, version);
}

}  // namespace vx::cli
