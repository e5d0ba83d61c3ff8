// fonts and shapes: the text fonts and the shape table of the program folder's
// libraries, one tab-separated line each, for scripts and checks.

#include <cstdio>

#include "cli/Commands.h"
#include "cli/ScopedFonts.h"
#include "render/FtText.h"

namespace vx::cli {

int Fonts(Args args) {
    if (!args.empty()) return Misuse("fonts");
    const ScopedFonts fonts;
    for (int nf = 0; nf < FtText::TextFontCount(); ++nf) {
        const FontData& fd = FtText::TextFontEntry(nf);
        std::printf("%d\t%d\t%s\t%s\n", nf, fd.cat, fd.name.c_str(), fd.path.c_str());
    }
    return 0;
}

int Shapes(Args args) {
    if (!args.empty()) return Misuse("shapes");
    const ScopedFonts fonts;
    for (int n = 0; n < FtText::ShapeCount(); ++n) {
        const SymEntry& s = FtText::Shape(n);
        std::printf("%d\t%s\t%d\n", n, s.font.c_str(), s.glyph);
    }
    return 0;
}

}  // namespace vx::cli
