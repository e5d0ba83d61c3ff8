#include "render/MissingFaces.h"

#include <algorithm>

#include "render/FtText.h"

namespace vx {

std::vector<std::string> MissingFaces(const LeFile& lf) {
    std::vector<std::string> missing;
    for (int n = 0; n < lf.objs; ++n) {
        const LogoObject& o = *lf.obj[n];
        if (o.type == BITMAP_OBJECT || FtText::HasFace(o.lt.font)) continue;
        if (std::find(missing.begin(), missing.end(), o.lt.font) == missing.end())
            missing.push_back(o.lt.font);
    }
    return missing;
}

std::string FallbackFaceName() {
    for (int n = FtText::n_symfonts; n < FtText::n_fonts; ++n)
        if (FtText::OpenFace(FtText::fonts[n]) != nullptr) return FtText::fonts[n].name;
    return {};
}

}  // namespace vx
