// The text faces the data build put into the program folder: letter tabs,
// names, the characters logos are typed with, and the program's defaults.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <sstream>

#include "ShippedLibraries.h"

namespace vx::test {
namespace {

constexpr int CATEGORIES = 11;

// What every text face must type: printable ASCII, the accented letters of
// code page 1252 and its typographic signs.
std::vector<FT_ULong> LogoCharacters() {
    std::vector<FT_ULong> chars;
    for (FT_ULong c = 0x21; c <= 0x7E; ++c) chars.push_back(c);
    for (FT_ULong c = 0xC0; c <= 0xFF; ++c) {
        const bool skipped = c == 0xC6 || c == 0xD0 || c == 0xD7 || c == 0xDE || c == 0xDF ||
                             c == 0xE6 || c == 0xF0 || c == 0xF7 || c == 0xFE;
        if (!skipped) chars.push_back(c);
    }
    for (FT_ULong c :
         {0x160,  0x161,  0x178,  0x17D,  0x17E,  0x20AC, 0xA3,   0xA5,   0xA2,   0xA9, 0xAE,
          0x2122, 0x2018, 0x2019, 0x201C, 0x201D, 0x2013, 0x2014, 0x2022, 0x2026, 0xB0})
        chars.push_back(c);
    return chars;
}

std::string Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
    return s;
}

// A family's name folded so that spellings of one family meet: "CabinSketch"
// and "Cabin Sketch" both give "cabinsketch".
std::string FamilyKey(const std::string& family) {
    std::string key;
    for (unsigned char c : family)
        if (c != ' ' && c != '-' && c != '_') key += static_cast<char>(std::tolower(c));
    return key;
}

using ShippedTextFaces = ShippedLibraries;

TEST_F(ShippedTextFaces, EveryLetterTabHasFontsAndTheCollectionIsComplete) {
    std::map<int, int> per_cat;
    for (int nf = 0; nf < FtText::TextFontCount(); ++nf) ++per_cat[FtText::TextFont(nf).cat];
    std::cout << "text faces per tab:";
    for (int cat = 0; cat < CATEGORIES; ++cat) {
        std::cout << " " << per_cat[cat];
        EXPECT_GE(per_cat[cat], 10) << "category " << cat;
    }
    std::cout << ", " << FtText::TextFontCount() << " in all\n";
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

TEST_F(ShippedTextFaces, FaceNamesAreUniqueAndSortedWithinTheirTab) {
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

TEST_F(ShippedTextFaces, NamesAreTidyAndEachFamilyIsSpelledOneWay) {
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
    }
    for (const auto& [key, names] : spellings) EXPECT_EQ(names.size(), 1u) << *names.begin();
}

TEST_F(ShippedTextFaces, EveryFaceTypesTheCharactersOfLogos) {
    const std::vector<FT_ULong> chars = LogoCharacters();
    ASSERT_EQ(chars.size(), 94u + 55u + 21u);
    for (int nf = 0; nf < FtText::TextFontCount(); ++nf) {
        FT_Face face = FtText::TextFont(nf).face;
        for (FT_ULong c : chars)
            EXPECT_NE(FT_Get_Char_Index(face, c), 0u)
                << FtText::TextFont(nf).name << " lacks U+" << std::hex << c;
    }
}

TEST_F(ShippedTextFaces, ExcludedGlyphsAreNeverOffered) {
    std::set<std::pair<std::string, std::string>> excluded;
    for (const ManifestRow& row : ReadManifest(VX_EXCLUDED_GLYPHS))
        excluded.emplace(row.at(0), row.at(1));
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
}  // namespace vx::test
