// The text faces the data build put into the program folder: letter tabs,
// names, the characters logos are typed with, and the program's defaults.

#include <gtest/gtest.h>
#include <strings.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <set>
#include <sstream>
#include <string_view>

#include "ShippedLibraries.h"

namespace vx::test {
namespace {

constexpr int CATEGORIES = 11;

// What every text face must type: printable ASCII, the accented letters of
// code page 1252 and its typographic signs.
std::u32string LogoCharacters() {
    std::u32string chars;
    for (char32_t c = 0x21; c <= 0xFF; ++c)
        if (c <= 0x7E ||
            (c >= 0xC0 && std::u32string_view(U"ÆÐ×Þßæð÷þ").find(c) == std::u32string_view::npos))
            chars += c;
    return chars + U"ŠšŸŽž€£¥¢©®™‘’“”–—•…°";
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
// must be the one FreeType gives the opened face, and no two alike.
TEST_F(ShippedTextFaces, EveryFaceOpensUnderTheUniqueNameItWasListedBy) {
    std::set<std::string> seen;
    for (FontData& fd : FtText::fonts) {
        EXPECT_TRUE(seen.insert(fd.name).second) << fd.name << " is listed twice";
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

TEST_F(ShippedTextFaces, EveryFaceTypesTheCharactersOfLogos) {
    const std::u32string chars = LogoCharacters();
    ASSERT_EQ(chars.size(), 94u + 55u + 21u);
    for (int nf = 0; nf < FtText::TextFontCount(); ++nf)
        for (char32_t c : chars)
            EXPECT_NE(FT_Get_Char_Index(FtText::TextFont(nf).face, c), 0u)
                << FtText::TextFont(nf).name << " lacks U+" << std::hex << std::uint32_t{c};
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

}  // namespace
}  // namespace vx::test
