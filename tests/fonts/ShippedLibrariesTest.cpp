// The libraries the data build put into the program folder, loaded as the
// program loads them.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "render/FtText.h"
#include "shell/ProgramFolder.h"
#include "support/Recorders.h"

namespace vx {
namespace {

constexpr int CATEGORIES = 11;

std::string Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
    return s;
}

class ShippedLibraries : public test::RecordingTest {
protected:
    static void SetUpTestSuite() {
        ep = VX_PROGRAM_DIR;
        FtText::InitFt();
    }
    static void TearDownTestSuite() { FtText::FreeFt(); }

    static std::vector<SymEntry> Shapes() {
        std::vector<SymEntry> out;
        for (int n = 0; n < FtText::ShapeCount(); ++n) out.push_back(FtText::Shape(n));
        return out;
    }
    static bool Offered(const std::string& face, int glyph) {
        const std::vector<SymEntry> shapes = Shapes();
        return std::any_of(shapes.begin(), shapes.end(),
                           [&](const SymEntry& s) { return s.font == face && s.glyph == glyph; });
    }
};

TEST_F(ShippedLibraries, EveryLetterTabHasFontsAndTheCollectionIsComplete) {
    std::map<int, int> per_cat;
    for (int nf = 0; nf < FtText::TextFontCount(); ++nf) ++per_cat[FtText::TextFont(nf).cat];
    for (int cat = 0; cat < CATEGORIES; ++cat) EXPECT_GE(per_cat[cat], 10) << "category " << cat;
    EXPECT_EQ(per_cat.size(), std::size_t{CATEGORIES});
    EXPECT_GE(FtText::TextFontCount(), 190);
    EXPECT_GE(FtText::ShapeCount(), 5000);
}

// Faces are named from their tables before FreeType opens them: every name
// must be the one FreeType gives the opened face.
TEST_F(ShippedLibraries, EveryFaceOpensUnderTheNameItWasListedBy) {
    for (FontData& fd : FtText::fonts) {
        FT_Face face = FtText::OpenFace(fd);
        ASSERT_NE(face, nullptr) << fd.name;
        EXPECT_EQ(std::string(face->family_name) + " " + face->style_name, fd.name);
    }
}

TEST_F(ShippedLibraries, TheDefaultsTheProgramNamesExist) {
    EXPECT_TRUE(Offered("Starburst Regular", 19));          // a new image object's shape
    EXPECT_TRUE(Offered("Pointers Regular", 132));          // the Next and Prev buttons' arrow
    EXPECT_EQ(FtText::TextFont(0).name, "Andika Regular");  // fallback and captions
}

TEST_F(ShippedLibraries, OurOwnSymbolFontsOfferAtLeast300Shapes) {
    const std::set<std::string> ours = {"Starburst Regular", "Pointers Regular",
                                        "Geometric Regular"};
    const std::vector<SymEntry> shapes = Shapes();
    const auto count = std::count_if(shapes.begin(), shapes.end(),
                                     [&](const SymEntry& s) { return ours.count(s.font) > 0; });
    EXPECT_GE(count, 300);
}

TEST_F(ShippedLibraries, FaceNamesAreUniqueAndSortedWithinTheirTab) {
    std::set<std::string> seen;
    for (const FontData& fd : FtText::fonts) EXPECT_TRUE(seen.insert(fd.name).second) << fd.name;
    for (int nf = 1; nf < FtText::TextFontCount(); ++nf) {
        const FontData& a = FtText::TextFont(nf - 1);
        const FontData& b = FtText::TextFont(nf);
        if (a.cat == b.cat) {
            EXPECT_LE(Lower(a.name), Lower(b.name)) << a.name << " / " << b.name;
        }
    }
}

TEST_F(ShippedLibraries, TextFontsHaveTheLettersOfCodePage1252) {
    for (int nf = 0; nf < FtText::TextFontCount(); ++nf) {
        FT_Face face = FtText::TextFont(nf).face;
        for (FT_ULong c : {FT_ULong{'A'}, FT_ULong{'z'}, FT_ULong{'7'}, FT_ULong{0xE9},
                           FT_ULong{0xC5}, FT_ULong{0x160}, FT_ULong{0x17E}})
            EXPECT_NE(FT_Get_Char_Index(face, c), 0u)
                << FtText::TextFont(nf).name << " lacks U+" << std::hex << c;
    }
}

TEST_F(ShippedLibraries, ExcludedGlyphsAreNeverOffered) {
    std::ifstream in(VX_EXCLUDED_GLYPHS);
    ASSERT_TRUE(in);
    std::set<std::pair<std::string, std::string>> excluded;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        std::string face, glyph;
        std::getline(fields, face, '\t');
        std::getline(fields, glyph, '\t');
        excluded.emplace(face, glyph);
    }
    ASSERT_GT(excluded.size(), 500u);

    // The cut fonts keep their glyph names, so every excluded name is found
    // and none of them is in the shape table.
    std::size_t found = 0;
    for (const auto& [face_name, glyph] : excluded) {
        FT_Face face = FtText::FindFace(face_name);
        const FT_UInt index = FT_Get_Name_Index(face, glyph.c_str());
        EXPECT_NE(index, 0u) << face_name << " has no glyph " << glyph;
        if (index == 0) continue;
        ++found;
        EXPECT_FALSE(Offered(face_name, static_cast<int>(index))) << face_name << " " << glyph;
    }
    EXPECT_EQ(found, excluded.size());
}

}  // namespace
}  // namespace vx
