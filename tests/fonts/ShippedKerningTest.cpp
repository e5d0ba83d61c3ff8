// Text set by our renderer has the widths HarfBuzz gives it: the data build
// carried every face's GPOS kerning into the `kern` table the renderer reads.
// Without it most faces set the sample several per cent wider.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <memory>

#include "ShippedLibraries.h"
#include "render/LinePens.h"

namespace vx::test {
namespace {

// Pairs most Latin faces kern, and no ligatures.
constexpr char SAMPLE[] = "AVATAR Today Wave To Yoyo LT PA Vo Ty We";
constexpr int PIXELS = 1000;  // large, so hinted advances round by little
constexpr double TOLERANCE = 0.01;

// The width of SAMPLE as hb-shape sets it in `file`, in font units. Ligature
// and contextual features are off: the comparison is about kerning.
double HarfBuzzWidth(const std::string& file) {
    const std::string command =
        "hb-shape --no-glyph-names --no-clusters "
        "--features=-liga,-clig,-calt,-dlig '" +
        file + "' '" + SAMPLE + "'";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    if (!pipe) return -1;
    // "[36+1339|57@-20,0+1220|...]": each glyph's advance follows its '+'.
    double width = 0;
    int glyphs = 0;
    for (long advance = 0; std::fscanf(pipe.get(), "%*[^+]+%ld", &advance) == 1; ++glyphs)
        width += static_cast<double>(advance);
    return glyphs == static_cast<int>(sizeof SAMPLE - 1) ? width : -1;
}

double OurWidth(FT_Face face) {
    FT_Set_Pixel_Sizes(face, 0, PIXELS);
    LogoParams lt;
    lt.str = SAMPLE;
    lt.shape = -1;
    lt.spacing = 0;
    const std::vector<LinePen> pens = MeasurePens(face, lt, static_cast<int>(lt.str.size()));
    if (pens.empty()) return -1;
    return static_cast<double>(pens.back().pen + pens.back().adv) / 64.0;
}

using ShippedKerning = ShippedLibraries;

TEST_F(ShippedKerning, EveryFaceSetsTextAsWideAsHarfBuzz) {
    std::map<std::string, std::string> files;
    for (const ManifestRow& row : ReadManifest(VX_TEXT_MANIFEST)) files[ShownName(row)] = row[1];
    for (int nf = 0; nf < FtText::TextFontCount(); ++nf) {
        const FontData& fd = FtText::TextFont(nf);
        ASSERT_EQ(files.count(fd.name), 1u) << fd.name << " is not in the manifest";
        const double theirs = HarfBuzzWidth(files[fd.name]);
        ASSERT_GT(theirs, 0) << "hb-shape (libharfbuzz-bin) did not shape " << files[fd.name];
        const double expected = theirs * PIXELS / fd.face->units_per_EM;
        const double ours = OurWidth(fd.face);
        EXPECT_LE(std::abs(ours - expected) / expected, TOLERANCE)
            << fd.name << ": " << ours << " px, HarfBuzz " << expected << " px";
    }
}

}  // namespace
}  // namespace vx::test
