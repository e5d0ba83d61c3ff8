#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <utility>

#include "LibraryFolder.h"
#include "render/FtText.h"
#include "shell/EndProgram.h"

namespace vx {
namespace {

using test::Record;
using Expressions = std::vector<std::string>;

// What the reports of a font that cannot be read or opened say.
const std::string READ_SHORT = "iar.Read(fd->fdt,ffl)==ffl";
const std::string FT_REFUSED = "FT_New_Memory_Face(library,fd->fdt,ffl,0,&fd->face)";

// The shape table as "face:glyph" words.
std::string ShapeTable() {
    std::string out;
    for (int n = 0; n < FtText::ShapeCount(); ++n)
        out +=
            (n ? " " : "") + FtText::Shape(n).font + ":" + std::to_string(FtText::Shape(n).glyph);
    return out;
}

using FtTextLibrary = test::LibraryTest;

TEST_F(FtTextLibrary, FacesLoadInOrderWithTheCategoryOfTheirFile) {
    folder.Write("embedded/emb3.gld", {Record("text-c.ttf", "DE")});
    Load({Record("sym-a.ttf", "Stars")}, {Record("text-a.ttf", "A")}, {Record("text-b.ttf", "B")});

    ASSERT_EQ(FtText::n_fonts, 4);
    EXPECT_EQ(FtText::n_symfonts, 1);
    const std::vector<std::tuple<std::string, std::string, int>> expected = {
        {"Sym A Regular", "Stars", -1},
        {"Text A Regular", "A", 0},
        {"Text B Regular", "B", 1},
        {"Text C Regular", "DE", 3}};
    for (int n = 0; n < FtText::n_fonts; ++n) {
        const FontData& fd = FtText::fonts[n];
        EXPECT_EQ(std::tie(fd.name, fd.label, fd.cat), expected[n]);
        EXPECT_EQ(fd.face, nullptr);  // named from its tables, opened on first use
    }
    EXPECT_NE(FtText::TextFont(0).face, nullptr);  // opened when first asked for
    EXPECT_EQ(FtText::Shape(0).label, "Stars");
}

// Shapes interleave by glyph index; glyph 0, empty glyphs and the excluded
// glyphs of named faces are never offered.
TEST_F(FtTextLibrary, ShapesInterleaveByGlyphIndexSkippingEmptyAndExcludedGlyphs) {
    // Sym A has glyphs 0-2, Sym B 0-4 with glyph 2 empty; "Drac Bold" never
    // offers glyph 5.
    const std::pair<std::vector<LibraryRecord>, std::string> cases[] = {
        {{Record("sym-a.ttf"), Record("sym-b.ttf")},
         "Sym A Regular:1 Sym B Regular:1 Sym A Regular:2 Sym B Regular:3 Sym B Regular:4"},
        {{Record("drac.ttf")},
         "Drac Bold:1 Drac Bold:2 Drac Bold:3 Drac Bold:4 Drac Bold:6 Drac Bold:7"},
    };
    for (const auto& [symbols, expected] : cases) {
        Load(symbols, {Record("text-a.ttf")}, {});
        EXPECT_EQ(ShapeTable(), expected);
        FtText::FreeFt();
    }
}

// A name finds the first face of that exact name in load order; any other name
// the first text font.
TEST_F(FtTextLibrary, LookupFindsTheFirstFaceOfANameElseTheFirstTextFont) {
    // Three faces named "Dup Regular", told apart by their glyph counts.
    Load({Record("dup-2.ttf")}, {Record("dup-4.ttf"), Record("text-a.ttf")},
         {Record("dup-6.ttf"), Record("text-b.ttf")});
    ASSERT_NE(FtText::FindFace("Dup Regular"), nullptr);
    EXPECT_EQ(FtText::FindFace("Dup Regular")->num_glyphs, 2);  // the symbol face
    EXPECT_EQ(FtText::FindFace("Zekton Italic"), FtText::TextFont(0).face);
    EXPECT_EQ(FtText::FindFace("text a regular"), FtText::TextFont(0).face);  // case counts
    EXPECT_EQ(FtText::FindFace("Text B Regular"), FtText::TextFont(3).face);
}

// Empty or faulty libraries: each fault is reported, and after Retry the program
// goes on with the faces read in full, never past the tables' capacity.
TEST_F(FtTextLibrary, FaultsAreReportedAndTheGoodFacesKept) {
    using test::Bytes;
    const Bytes none = PackLibrary({});
    Bytes cut = PackLibrary({Record("text-a.ttf"), Record("text-b.ttf")});
    cut.resize(cut.size() - 10);  // the second font is cut short
    Bytes count = PackLibrary({Record("text-a.ttf")});
    count[4] += 0xFE;  // 255 records in a file of one (scrambling adds, so sums carry through)
    const Bytes junk = PackLibrary({{"junk", Bytes(64, 0x5A)}});
    const Bytes many = PackLibrary(std::vector(MAX_FONTS + 1, Record("text-a.ttf")));
    const std::string cat1 = folder.Path("embedded/emb0.gld");
    const std::string full = "n_fonts+count<=MAX_FONTS";
    const struct {
        const char* what;
        Bytes cat0;
        std::optional<Bytes> cat1;  // nothing: the file is missing
        Expressions reports;
        int fonts;  // all of them Text A
    } cases[] = {
        {"libraries with no faces", none, none, {}, 0},
        {"a missing library", PackLibrary({Record("text-a.ttf")}), {}, {"open:" + cat1}, 1},
        {"a cut and an unreadable record", cut, junk, {READ_SHORT, FT_REFUSED}, 1},
        {"a count beyond the file", count, none, {"count>=0&&count<=remaining/5"}, 0},
        {"too many faces", many, PackLibrary({Record("text-b.ttf")}), {full, full}, MAX_FONTS},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        folder.WriteRaw("basgl.bgd", none);
        folder.WriteRaw("embedded/emb1.gld", c.cat0);
        if (c.cat1)
            folder.WriteRaw("embedded/emb0.gld", *c.cat1);
        else
            std::filesystem::remove(cat1);
        FtText::InitFt();
        EXPECT_EQ(rec.FailedExpressions(), c.reports);
        rec.reports.clear();
        EXPECT_EQ(FtText::n_fonts, c.fonts);
        EXPECT_EQ(static_cast<int>(FtText::fonts.size()), c.fonts);
        for (const FontData& fd : FtText::fonts) EXPECT_EQ(fd.name, "Text A Regular");
        EXPECT_EQ(FtText::ShapeCount(), 0);
        FtText::FreeFt();
    }
}

TEST_F(FtTextLibrary, AFaceFreeTypeRefusesIsReportedOnceWhenFirstNeededAndSkipped) {
    Load({}, {Record("text-a-no-head.ttf"), Record("text-b.ttf")}, {Record("text-a.ttf")});
    EXPECT_TRUE(rec.reports.empty());
    ASSERT_EQ(FtText::TextFontCount(), 3);
    EXPECT_EQ(FtText::TextFontEntry(0).name, "Text A Regular");

    // The same name later in load order, and the first text font that opens.
    EXPECT_EQ(FtText::FindFace("Text A Regular"), FtText::TextFont(2).face);
    EXPECT_EQ(FtText::FindFace("Unknown"), FtText::TextFont(1).face);
    EXPECT_EQ(FtText::TextFont(0).face, nullptr);
    EXPECT_EQ(rec.FailedExpressions(), Expressions{FT_REFUSED});
    rec.reports.clear();
}

TEST_F(FtTextLibrary, ALibraryCutShortAfterLoadingIsReportedWhenAFaceIsRead) {
    Load({}, {Record("text-a.ttf")}, {});
    std::filesystem::resize_file(folder.Path("embedded/emb1.gld"), 100);
    EXPECT_EQ(FtText::FindFace("Text A Regular"), nullptr);
    EXPECT_EQ(rec.FailedExpressions(), Expressions{READ_SHORT});
    rec.reports.clear();
}

using FtTextLibraryDeathTest = FtTextLibrary;

TEST_F(FtTextLibraryDeathTest, AWrongMagicEndsTheProgramWithCodeZero) {
    std::vector<std::uint8_t> bytes = PackLibrary({});
    bytes[0] ^= 0x01;  // unscrambles to another magic
    folder.WriteRaw("basgl.bgd", bytes);
    SetMessageHandler({});  // the message goes to stderr, where the death test reads it
    EXPECT_EXIT(FtText::InitFt(), testing::ExitedWithCode(0),
                "Installation package corrupted. Please reinstall Vexo Logo");
}

TEST_F(FtTextLibrary, TheShapeTableNeverGrowsPastItsCapacity) {
    Load({Record("many.ttf")}, {Record("text-a.ttf")}, {});  // 10002 shapes
    EXPECT_TRUE(rec.reports.empty());  // the table is built when first asked for
    EXPECT_EQ(FtText::ShapeCount(), MAX_SYMS);
    EXPECT_EQ(rec.FailedExpressions(), Expressions{"syms<MAX_SYMS"});
    rec.reports.clear();
    EXPECT_EQ(FtText::ShapeCount(), MAX_SYMS);  // built once: reported once
}

TEST_F(FtTextLibrary, AccessOutsideTheTablesIsReportedAndHarmless) {
    Load({Record("sym-a.ttf")}, {Record("text-a.ttf")}, {});
    EXPECT_EQ(FtText::TextFont(1).face, nullptr);
    EXPECT_EQ(FtText::TextFont(-1).face, nullptr);
    EXPECT_EQ(FtText::Shape(FtText::ShapeCount()).glyph, 0);
    EXPECT_EQ(rec.FailedExpressions(), (Expressions{"nf<n_fonts", "nf<n_fonts", "n<syms"}));
    rec.reports.clear();
}

// Loading again after FreeFt is done by the tests that load several libraries
// in turn; in between nothing may reach a released face.
TEST_F(FtTextLibrary, FreeFtEmptiesTheTables) {
    Load({Record("sym-a.ttf")}, {Record("text-a.ttf")}, {});
    ASSERT_EQ(FtText::ShapeCount(), 2);
    FtText::FreeFt();
    EXPECT_TRUE(FtText::fonts.empty());
    EXPECT_EQ(FtText::n_symfonts, 0);
    EXPECT_EQ(FtText::ShapeCount(), 0);
    EXPECT_EQ(FtText::FindFace("Text A Regular"), nullptr);
}

}  // namespace
}  // namespace vx
