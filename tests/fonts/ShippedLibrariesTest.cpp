// The text faces the data build put into the program folder: letter tabs,
// names, kerning, and the program's defaults.

#include <gtest/gtest.h>
#include <strings.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <map>
#include <memory>
#include <set>
#include <sstream>

#include "ShippedLibraries.h"
#include "render/LinePens.h"

namespace vx::test {
namespace {

constexpr int CATEGORIES = 11;

// A family's name folded so that spellings of one family meet: "CabinSketch"
// and "Cabin Sketch" both give "cabinsketch".
std::string FamilyKey(const std::string& family) {
    std::string key;
    for (unsigned char c : family)
        if (c != ' ' && c != '-' && c != '_') key += static_cast<char>(std::tolower(c));
    return key;
}

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

using ShippedTextFaces = ShippedLibraries;

TEST_F(ShippedTextFaces, EveryLetterTabHasFontsAndTheCollectionIsComplete) {
    std::map<int, int> per_cat;
    for (int nf = 0; nf < FtText::TextFontCount(); ++nf) ++per_cat[FtText::TextFont(nf).cat];
    for (int cat = 0; cat < CATEGORIES; ++cat) EXPECT_GE(per_cat[cat], 10) << "category " << cat;
    EXPECT_EQ(per_cat.size(), std::size_t{CATEGORIES});
    EXPECT_GE(FtText::TextFontCount(), 190);
}

TEST_F(ShippedTextFaces, TheDefaultsTheProgramNamesExist) {
    EXPECT_TRUE(Offered("Starburst Regular", 19));          // a new image object's shape
    EXPECT_TRUE(Offered("Pointers Regular", 132));          // the Next and Prev buttons' arrow
    EXPECT_EQ(FtText::TextFont(0).name, "Andika Regular");  // fallback and captions
}

// Faces are named from their tables before FreeType opens them: every name
// must be the one FreeType gives the opened face.
TEST_F(ShippedTextFaces, EveryFaceOpensUnderTheNameItWasListedBy) {
    for (FontData& fd : FtText::fonts) {
        FT_Face face = FtText::OpenFace(fd);
        ASSERT_NE(face, nullptr) << fd.name;
        EXPECT_EQ(std::string(face->family_name) + " " + face->style_name, fd.name);
    }
}

// Names are tidy, sorted within their tab, and each family is spelled one way.
TEST_F(ShippedTextFaces, NamesAreTidyAndSortedWithinTheirTab) {
    std::map<std::string, std::set<std::string>> spellings;
    for (int nf = 0; nf < FtText::TextFontCount(); ++nf) {
        const FontData& fd = FtText::TextFont(nf);
        EXPECT_EQ(fd.name.find("  "), std::string::npos) << fd.name;
        EXPECT_EQ(fd.name.find_first_of("_-"), std::string::npos) << fd.name;
        EXPECT_FALSE(fd.name.front() == ' ' || fd.name.back() == ' ') << "'" << fd.name << "'";
        std::istringstream words(fd.name);
        for (std::string word; words >> word;)
            EXPECT_FALSE(std::islower(static_cast<unsigned char>(word[0]))) << fd.name;
        spellings[FamilyKey(fd.face->family_name)].insert(fd.face->family_name);
        const FontData& before = FtText::TextFontEntry(std::max(nf - 1, 0));
        if (before.cat == fd.cat) {
            EXPECT_LE(strcasecmp(before.name.c_str(), fd.name.c_str()), 0) << before.name;
        }
    }
    for (const auto& [key, names] : spellings) EXPECT_EQ(names.size(), 1u) << *names.begin();
}

TEST_F(ShippedTextFaces, ExcludedGlyphsAreNeverOffered) {
    const std::vector<ManifestRow> excluded = ReadManifest(VX_EXCLUDED_GLYPHS);
    ASSERT_GT(excluded.size(), 500u);
    // The cut fonts keep their glyph names, so every excluded name is found
    // and none of them is in the shape table.
    for (const ManifestRow& row : excluded) {
        const FT_UInt index = FT_Get_Name_Index(FtText::FindFace(row.at(0)), row.at(1).c_str());
        EXPECT_NE(index, 0u) << row[0] << " has no glyph " << row[1];
        EXPECT_TRUE(index == 0 || !Offered(row[0], static_cast<int>(index)))
            << row[0] << " " << row[1];
    }
}

// The data build carried every face's GPOS kerning into the `kern` table the
// renderer reads: without it most faces set the sample several per cent wider.
TEST_F(ShippedTextFaces, EveryFaceSetsTextAsWideAsHarfBuzz) {
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
