// The libraries the data build put into the program folder, loaded once as
// the program loads them, checked against the manifests they were built from:
// the text faces (letter tabs, names, kerning, the program's defaults) and the
// shape table (our emblems, no trademark, no shape that repeats another).

#include <fnmatch.h>
#include <gtest/gtest.h>
#include <strings.h>

#include <ft2build.h>
#include FT_BBOX_H
#include FT_OUTLINE_H

#include <algorithm>
#include <array>
#include <bit>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <optional>
#include <regex>
#include <set>
#include <sstream>

#include "render/FtText.h"
#include "render/LinePens.h"
#include "shell/ProgramFolder.h"
#include "support/Recorders.h"

namespace vx::test {
namespace {

// The rows of a tab-separated manifest, split into fields, without its
// comments and blank lines.
using ManifestRow = std::vector<std::string>;
std::vector<ManifestRow> ReadManifest(const std::string& path) {
    std::ifstream in(path);
    EXPECT_TRUE(in) << path;
    std::vector<ManifestRow> rows;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') continue;
        ManifestRow row;
        std::istringstream fields(line);
        for (std::string field; std::getline(fields, field, '\t');) row.push_back(field);
        rows.push_back(row);
    }
    return rows;
}

// The name a text face is shown with: the manifest's new family and style
// where it gives them, otherwise the name FreeType gives the font file.
std::string ShownName(const ManifestRow& row) {
    return row.size() >= 6 && !row[4].empty() ? row[4] + " " + row[5] : row.at(2);
}

class ShippedLibraries : public RecordingTest {
protected:
    static void SetUpTestSuite() {
        ep = VX_PROGRAM_DIR;
        FtText::InitFt();
    }
    static void TearDownTestSuite() { FtText::FreeFt(); }

    // The shape table, in order, and whether it offers glyph `glyph` of `face`.
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
    // Words that do not start in lower case, one blank apart, without '_' or '-'.
    const std::regex tidy("[^a-z _-][^ _-]*( [^a-z _-][^ _-]*)*");
    std::map<std::string, std::set<std::string>> spellings;
    for (int nf = 0; nf < FtText::TextFontCount(); ++nf) {
        const FontData& fd = FtText::TextFont(nf);
        EXPECT_TRUE(std::regex_match(fd.name, tidy)) << "'" << fd.name << "'";
        spellings[FamilyKey(fd.face->family_name)].insert(fd.face->family_name);
        const FontData& before = FtText::TextFontEntry(std::max(nf - 1, 0));
        EXPECT_TRUE(before.cat != fd.cat || strcasecmp(before.name.c_str(), fd.name.c_str()) <= 0)
            << before.name << " before " << fd.name;
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
    const std::string s{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
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
