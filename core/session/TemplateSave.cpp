#include "session/TemplateSave.h"

#include <unistd.h>

#include <filesystem>
#include <system_error>

#include "document/ProjectFile.h"
#include "document/TemplateStore.h"
#include "export/TemplatePreview.h"
#include "shell/Messages.h"

namespace vx {

namespace {

namespace fs = std::filesystem;

bool WritableFolder(const std::string& folder) {
    if (folder.empty()) return false;
    std::error_code ec;
    fs::create_directories(folder, ec);
    return fs::is_directory(folder, ec) && access(folder.c_str(), W_OK | X_OK) == 0;
}

std::string ProjectPath(const std::string& folder, const std::string& name) {
    return (fs::path(folder) / (name + ".zeb")).string();
}

}  // namespace

std::string TemplateSaveFolder(const std::string& program_folder, const std::string& user_folder) {
    if (WritableFolder(program_folder)) return program_folder;
    if (WritableFolder(user_folder)) return user_folder;
    return {};
}

std::string TemplateNameProblem(const std::string& name) {
    if (name.empty() || name.find_first_not_of(' ') == std::string::npos)
        return "Please enter a template name.";
    if (name == "." || name == "..") return "A template name cannot be \".\" or \"..\".";
    for (const unsigned char c : name)
        if (c < 0x20 || c == '/' || c == '\\')
            return "A template name cannot contain \"/\", \"\\\" or control characters.";
    return {};
}

bool TemplateExists(const std::string& folder, const std::string& name) {
    std::error_code ec;
    return fs::exists(ProjectPath(folder, name), ec);
}

Result SaveTemplate(const LeFile& lf, const std::string& folder, const std::string& name) {
    const std::string path = ProjectPath(folder, name);
    // The pictures first: a project the library lists always has its previews.
    if (Result r = WriteTemplatePreviews(lf, TemplateStore::PicturePath(path, "a.bpr"),
                                         TemplateStore::PicturePath(path, "c.bpr"));
        !r)
        return r;
    return WriteProjectFile(path, lf);
}

}  // namespace vx
