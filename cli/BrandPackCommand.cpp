// brand-pack: what File > Export Brand Pack... does, from the command line.
// The logo is opened for export as the export dialog opens it, then every
// file of the pack is written into the folder.

#include <cstdio>

#include "cli/Commands.h"
#include "cli/OpenProject.h"
#include "cli/ScopedFonts.h"
#include "export/BrandPack.h"
#include "export/LogoExport.h"
#include "render/MissingFaces.h"
#include "render/Random.h"

namespace vx::cli {

int BrandPack(Args args) {
    if (args.size() != 2) return Misuse("brand-pack");
    const std::string& in = args[0];
    const std::string& folder = args[1];
    const ScopedFonts fonts;
    LeFile lf;
    if (const Result opened = OpenProject(in, lf); !opened) return Fail(opened.message());
    for (const std::string& face : MissingFaces(lf))
        std::fprintf(stderr,
                     "vexologo-cli: %s: the face \"%s\" is not installed; drawn with \"%s\"\n",
                     in.c_str(), face.c_str(), FallbackFaceName().c_str());
    EngineRandom() = RandomSource();  // the gradient dither of a fresh process
    const ExportLogo logo = OpenExport(lf);
    if (const Result written = WriteBrandPack(lf, logo, folder); !written)
        return Fail(written.message());
    return 0;
}

}  // namespace vx::cli
