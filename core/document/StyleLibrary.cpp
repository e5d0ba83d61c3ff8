#include "document/StyleLibrary.h"

#include "document/ProjectFile.h"
#include "shell/Checked.h"
#include "shell/Messages.h"
#include "shell/ProgramFolder.h"

namespace vx {

std::vector<LogoParams> LoadStyles(const std::string& folder) {
    std::vector<LogoParams> styles;
    for (int n = 1; static_cast<int>(styles.size()) < MAX_STYLES; ++n) {
        const std::string path = folder + "/" + std::to_string(n) + ".zeb";
        LeFile lf;
        const ProjectResult r = ReadProjectFile(path, lf);
        if (r.status == ProjectStatus::CANNOT_OPEN) {
            if (n == 1) ShowMessage(MSG_STYLES_MISSING);
            break;
        }
        if (r.status == ProjectStatus::REFUSED && !r.header_read) {
            ShowMessage(MSG_STYLES_MISSING);
            continue;
        }
        // Past the header, a file is read as a project is: the message, and
        // the objects read in full are kept.
        if (r.status == ProjectStatus::REFUSED) ShowMessage(MSG_WRONG_VERSION);
        if (r.status == ProjectStatus::UNREADABLE) ShowMessage(MSG_CANNOT_OPEN + path);
        if (lf.objs > 0) styles.push_back(lf.obj[0]->lt);
    }
    return styles;
}

std::vector<LogoParams> LoadProgramStyles() {
    return LoadStyles(ProgramPath("\\styles"));
}

}  // namespace vx
