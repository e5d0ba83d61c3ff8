#include "session/TemplateChoice.h"

#include <algorithm>

#include "render/Color.h"
#include "session/Session.h"
#include "shell/Checked.h"

namespace vx {

void StartWith(Session& s, const LeFile& doc, const std::string& name) {
    s.NewBlank();
    s.lf = doc;
    VX_CALL(s.lf.SelFstObj(), "ldlg.lf.SelFstObj()");
    s.doc_name = name;
    VX_CALL(s.utrack.Reset(s.lf), "utrack.Reset(lf)");
}

void ReplaceWithTemplate(Session& s, const LeFile& doc) {
    s.doc_name.clear();
    s.lf = doc;
    VX_CALL(s.lf.SelFstObj(), "lf.SelFstObj()");
    s.Track();
}

std::uint32_t PreviewFill(const HslF& bgc) {
    return HslToRgb(bgc) & 0xFFFFFFu;
}

std::uint32_t PreviewHighlight(std::uint32_t fill) {
    std::uint32_t out = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const std::uint32_t c = std::min<std::uint32_t>(((fill >> shift) & 0xFFu) + 10u, 255u);
        out |= c << shift;
    }
    return out;
}

}  // namespace vx
