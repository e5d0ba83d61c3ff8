#include "session/TemplateLibrary.h"

#include "codecs/CustomBitmap.h"
#include "codecs/Image.h"
#include "shell/ProgramFolder.h"

namespace vx {

TemplateStore& ProgramTemplates() {
    static TemplateStore store;
    return store;
}

int ReloadTmps(const TemplateProgress& progress) {
    return ProgramTemplates().Reload(ProgramPath("\\templates"), LoadTemplatePicture, progress);
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
