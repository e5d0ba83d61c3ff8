#include "session/TemplateLibrary.h"

#include "codecs/CustomBitmap.h"
#include "codecs/Image.h"
#include "shell/ProgramFolder.h"

namespace vx {

TemplateStore& ProgramTemplates() {
    static TemplateStore store;
    return store;
}

namespace {
std::string& UserFolder() {
    static std::string folder;
    return folder;
}
}  // namespace

void SetUserTemplateFolder(const std::string& folder) {
    UserFolder() = folder;
}

const std::string& UserTemplateFolder() {
    return UserFolder();
}

int ReloadTmps(const TemplateProgress& progress) {
    std::vector<std::string> folders{ProgramPath("\\templates")};
    if (!UserFolder().empty() && UserFolder() != folders[0]) folders.push_back(UserFolder());
    return ProgramTemplates().Reload(folders, LoadTemplatePicture, progress);
}

int FreeTmps() {
    return ProgramTemplates().Free();
}

bool LoadTemplatePicture(const std::string& path, TemplatePicture& out) {
    BitmapPixels pixels;
    if (!LoadBitmapFileAs(path, IMAGE_GIF, pixels)) return false;
    out.w = pixels.w;
    out.h = pixels.h;
    out.px = std::move(pixels.px);
    return true;
}

}  // namespace vx
