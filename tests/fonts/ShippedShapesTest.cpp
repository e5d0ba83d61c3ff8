// The shape table the data build's symbol library gives: our emblems, no
// trademark, and no shape that repeats another.

#include <fnmatch.h>
#include <gtest/gtest.h>

#include <ft2build.h>
#include FT_BBOX_H
#include FT_OUTLINE_H

#include <algorithm>
#include <array>
#include <bit>
#include <fstream>
#include <map>
#include <optional>
#include <regex>
#include <set>
#include <sstream>

#include "ShippedLibraries.h"

namespace vx::test {
namespace {

// Shapes are compared as their covered pixels in a SIDE-pixel square, scaled
// so that the larger side fills it and centred, as an image object draws them
// (the data build's tools/fontdata/repeats.py draws them the same way).
// Two repeat when the pixels they cover overlap by REPEAT_OVERLAP of the union.
constexpr int SIDE = 64;
constexpr double REPEAT_OVERLAP = 0.97;
using Coverage = std::array<std::uint64_t, SIDE>;  // one row a word

std::optional<Coverage> Cover(FT_Face face, FT_UInt glyph) {
    if (FT_Load_Glyph(face, glyph, FT_LOAD_NO_SCALE | FT_LOAD_NO_HINTING) != 0) return {};
    FT_BBox box;
    FT_Outline_Get_BBox(&face->glyph->outline, &box);
    if (box.xMax <= box.xMin || box.yMax <= box.yMin) return {};
    const FT_Long extent = std::max(box.xMax - box.xMin, box.yMax - box.yMin);
    FT_Set_Char_Size(face, 0, FT_Long{SIDE} * 64 * face->units_per_EM / extent, 72, 72);
    if (FT_Load_Glyph(face, glyph, FT_LOAD_NO_HINTING) != 0) return {};
    // The box starts on a pixel corner wherever the font placed the glyph.
    FT_BBox scaled;
    FT_Outline_Get_BBox(&face->glyph->outline, &scaled);
    FT_Outline_Translate(&face->glyph->outline, -scaled.xMin, -scaled.yMin);
    if (FT_Render_Glyph(face->glyph, FT_RENDER_MODE_NORMAL) != 0) return {};
    const FT_Bitmap& bitmap = face->glyph->bitmap;
    const int rows = std::min<int>(bitmap.rows, SIDE);
    const int width = std::min<int>(bitmap.width, SIDE);
    const int top = (SIDE - rows) / 2;
    const int left = (SIDE - width) / 2;
    Coverage cover{};
    for (int y = 0; y < rows; ++y)
        for (int x = 0; x < width; ++x)
            if (bitmap.buffer[y * bitmap.pitch + x] >= 128)
                cover[top + y] |= std::uint64_t{1} << (left + x);
    return cover;
}

// The pixels `a` covers, or that both cover.
int Shared(const Coverage& a, const Coverage& b) {
    int n = 0;
    for (int y = 0; y < SIDE; ++y) n += std::popcount(a[y] & b[y]);
    return n;
}

// {code point: icon names} from a stylesheet: `"name": e84d,` (Sass) or
// `.el-name:before { content: "\f101"; }` (CSS).
std::map<FT_ULong, std::vector<std::string>> ReadIconNames(const std::string& path) {
    std::ifstream in(path);
    EXPECT_TRUE(in) << path;
    std::stringstream text;
    text << in.rdbuf();
    const std::string s = text.str();
    std::map<FT_ULong, std::vector<std::string>> names;
    for (const std::regex& entry :
         {std::regex(R"re("([a-z0-9_]+)":\s*([0-9a-f]{4,5})\b)re"),
          std::regex(R"re(\.[a-z]+-([a-z0-9-]+):before\s*\{\s*content:\s*"\\([0-9a-f]{4,5})")re")})
        for (std::sregex_iterator m(s.begin(), s.end(), entry), end; m != end; ++m)
            names[std::stoul((*m)[2].str(), nullptr, 16)].push_back((*m)[1].str());
    return names;
}

// Every name an offered glyph goes by: its glyph name and its code points'
// names in the face's stylesheet.
std::set<std::string> IconNames(FT_Face face, FT_UInt glyph,
                                const std::map<FT_ULong, std::vector<std::string>>& listed) {
    std::set<std::string> names;
    char buf[128];
    if (FT_HAS_GLYPH_NAMES(face) && FT_Get_Glyph_Name(face, glyph, buf, sizeof buf) == 0)
        names.insert(buf);
    FT_UInt index = 0;
    for (FT_ULong c = FT_Get_First_Char(face, &index); index != 0;
         c = FT_Get_Next_Char(face, c, &index)) {
        if (index != glyph) continue;
        const auto it = listed.find(c);
        if (it != listed.end()) names.insert(it->second.begin(), it->second.end());
    }
    return names;
}

using ShippedShapes = ShippedLibraries;

TEST_F(ShippedShapes, TheTableHoldsOurEmblemsFirstAndEnoughShapes) {
    std::map<std::string, int> per_face;
    for (const SymEntry& s : Shapes()) ++per_face[s.font];
    EXPECT_GE(FtText::ShapeCount(), 5000);
    EXPECT_GE(per_face["Emblems Regular"], 300);
    EXPECT_EQ(FtText::Shape(0).font, "Emblems Regular");
}

TEST_F(ShippedShapes, NoTrademarkIsOffered) {
    std::vector<std::string> marks;  // a pattern, then maybe a comment after a tab
    for (const ManifestRow& row : ReadManifest(VX_TRADEMARKS)) marks.push_back(row.at(0));
    ASSERT_GT(marks.size(), 30u);

    std::map<std::string, std::map<FT_ULong, std::vector<std::string>>> listed;
    for (const ManifestRow& row : ReadManifest(VX_SYMBOL_MANIFEST))
        if (row.size() >= 6 && !row[5].empty()) listed[row[2]] = ReadIconNames(row[5]);
    ASSERT_GT(listed["Material Icons Regular"].size(), 2000u);

    for (const SymEntry& s : Shapes()) {
        const FT_Face face = FtText::FindFace(s.font);
        for (const std::string& name : IconNames(face, s.glyph, listed[s.font]))
            for (const std::string& mark : marks)
                EXPECT_NE(fnmatch(mark.c_str(), name.c_str(), 0), 0)
                    << s.font << " offers " << name << ", a trademark (" << mark << ")";
    }
}

TEST_F(ShippedShapes, NoShapeRepeatsAnother) {
    struct Drawn {
        const SymEntry* shape;
        Coverage cover;
        int area;
    };
    const std::vector<SymEntry> shapes = Shapes();
    std::vector<Drawn> drawn;
    for (const SymEntry& s : shapes) {
        const std::optional<Coverage> cover =
            Cover(FtText::FindFace(s.font), static_cast<FT_UInt>(s.glyph));
        if (cover && Shared(*cover, *cover) > 0)
            drawn.push_back({&s, *cover, Shared(*cover, *cover)});
    }
    ASSERT_GT(drawn.size(), shapes.size() * 9 / 10);
    std::sort(drawn.begin(), drawn.end(),
              [](const Drawn& a, const Drawn& b) { return a.area < b.area; });
    for (std::size_t i = 0; i < drawn.size(); ++i) {
        // A larger shape can only repeat this one if its area is close enough.
        for (std::size_t j = i + 1;
             j < drawn.size() && drawn[j].area * REPEAT_OVERLAP <= drawn[i].area; ++j) {
            const int both = Shared(drawn[i].cover, drawn[j].cover);
            const int either = drawn[i].area + drawn[j].area - both;
            EXPECT_LT(both, REPEAT_OVERLAP * either)
                << drawn[i].shape->font << " " << drawn[i].shape->glyph << " repeats "
                << drawn[j].shape->font << " " << drawn[j].shape->glyph;
        }
    }
}

}  // namespace
}  // namespace vx::test
