// The user's own fonts: loaded after the libraries at start, added while the
// program runs (Add Fonts), and the faces a logo names that none of them has.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "LibraryFolder.h"
#include "render/AddUserFont.h"
#include "render/FtText.h"
#include "render/MissingFaces.h"
#include "render/UserFonts.h"
#include "support/TestFonts.h"

namespace vx {
namespace {

using test::FileBytes;
using test::Record;
using test::TestFont;

class UserFonts : public test::LibraryTest {
protected:
    // The libraries hold a symbol face and Text B.
    void LoadAll() { Load({Record("sym-a.ttf")}, {Record("text-b.ttf")}, {}); }
    // Adds a file picked outside the program's folders, as the file dialog picks it.
    Result Add(const std::string& file, const test::Bytes& bytes, std::string& name) {
        return AddUserFont(folder.WriteRaw("picked/" + file, bytes), UserFontFolder(), name);
    }
};

TEST_F(UserFonts, LoadAfterTheLibrariesInTheTabOfTheirNameSkippingWhatCannotBeUsed) {
    const std::string zz = folder.WriteUserFont("zz.ttf", TestFont("text-a.ttf"));
    const std::string typo = folder.WriteUserFont("names-typo.ttf", TestFont("names-typo.ttf"));
    const std::string dup = folder.WriteUserFont("dup.otf", TestFont("text-b.ttf"));
    const std::string junk = folder.WriteUserFont("junk.TTF", test::Bytes(99, 7));
    folder.WriteUserFont("same-name.ttf", TestFont("text-a.ttf"));  // before zz.ttf by file name
    folder.WriteUserFont("notes.txt", {'h', 'i'});                  // not a font file: ignored
    LoadAll();

    EXPECT_EQ(rec.messages, (std::vector<std::string>{
                                MSG_FONT_NAME_TAKEN + std::string("Text B Regular (") + dup + ")",
                                MSG_FONT_NOT_OPENED + junk,
                                MSG_FONT_NAME_TAKEN + std::string("Text A Regular (") + zz + ")"}));
    ASSERT_EQ(FtText::TextFontCount(), 3);
    const std::vector<std::tuple<std::string, int, bool>> expected = {
        {"Text B Regular", 0, false}, {"Names Typo Light", 7, true}, {"Text A Regular", 10, true}};
    for (int nf = 0; nf < 3; ++nf) {
        const FontData& fd = FtText::TextFontEntry(nf);
        EXPECT_EQ(std::tie(fd.name, fd.cat, fd.own), expected[nf]) << nf;
    }
    EXPECT_EQ(FtText::TextFontEntry(1).path, typo);
}

TEST_F(UserFonts, AFileFreeTypeRefusesLaterIsAMessageAndIsPassedOver) {
    const std::string path = folder.WriteUserFont("broken.ttf", TestFont("text-a-no-head.ttf"));
    LoadAll();
    EXPECT_TRUE(rec.messages.empty());
    EXPECT_EQ(FtText::FindFace("Text A Regular"), FtText::TextFont(0).face);  // the fallback
    EXPECT_EQ(FtText::FindFace("Text A Regular"), FtText::TextFont(0).face);
    EXPECT_EQ(rec.messages, std::vector<std::string>{MSG_FONT_NOT_OPENED + path});  // once
    EXPECT_FALSE(FtText::HasFace("Text A Regular"));
}

TEST_F(UserFonts, MissingFacesAreNamedOnceInObjectOrder) {
    LoadAll();
    LeFile lf;
    for (const char* font :
         {"Nope Regular", "Sym A Regular", "Text B Regular", "Nope Regular", "Gone Bold"})
        lf.AddObj(test::TextObject("Logo", font, 40, 0, 0));
    lf.AddObj(test::BitmapObject(0, 0, 2, 2));  // draws no face: never missing
    EXPECT_EQ(MissingFaces(lf), (std::vector<std::string>{"Nope Regular", "Gone Bold"}));
    EXPECT_EQ(FallbackFaceName(), "Text B Regular");
}

using AddUserFontTest = UserFonts;

TEST_F(AddUserFontTest, TheFaceIsUsableAtOnceAndItsFileCopiedUnderAFreeName) {
    LoadAll();
    std::string name;
    ASSERT_TRUE(Add("Text A.TTF", TestFont("text-a.ttf"), name));
    EXPECT_EQ(name, "Text A Regular");
    ASSERT_EQ(FtText::TextFontCount(), 2);
    const FontData& fd = FtText::TextFontEntry(1);
    EXPECT_EQ(std::tie(fd.name, fd.cat, fd.own), std::make_tuple("Text A Regular", 10, true));
    EXPECT_EQ(fd.path, UserFontFolder() + "/Text A.TTF");
    EXPECT_EQ(FtText::FindFace("Text A Regular"), FtText::TextFont(1).face);  // not the fallback

    // A file name in use gets a number rather than replacing the file.
    ASSERT_TRUE(Add("Text A.TTF", TestFont("text-c.ttf"), name));
    EXPECT_EQ(FtText::TextFontEntry(2).path, UserFontFolder() + "/Text A (2).TTF");
    EXPECT_EQ(FileBytes(UserFontFolder() + "/Text A.TTF"), TestFont("text-a.ttf"));  // kept

    // After a restart the copy loads like every user font.
    FtText::FreeFt();
    FtText::InitFt();
    EXPECT_TRUE(FtText::HasFace("Text A Regular"));
}

TEST_F(AddUserFontTest, RefusedFilesSayWhyAndCopyNothing) {
    LoadAll();
    const struct {
        std::string file;
        test::Bytes bytes;
        std::string before, after;  // the message, around the file's path
    } cases[] = {
        {"junk.ttf", test::Bytes(99, 7), MSG_FONT_NOT_OPENED, ""},
        {"empty.otf", {}, MSG_FONT_NOT_OPENED, ""},
        // Named by its tables, but FreeType cannot draw with it.
        {"broken.ttf", TestFont("text-a-no-head.ttf"), MSG_FONT_NOT_OPENED, ""},
        {"again.ttf", TestFont("text-b.ttf"), MSG_FONT_NAME_TAKEN + std::string("Text B Regular ("),
         ")"},
    };
    for (const auto& c : cases) {
        std::string name;
        const Result added = Add(c.file, c.bytes, name);
        EXPECT_FALSE(added) << c.file;
        EXPECT_EQ(added.message(), c.before + folder.Path("picked/" + c.file) + c.after);
    }
    std::string name;
    EXPECT_FALSE(AddUserFont(folder.Path("picked/none.ttf"), UserFontFolder(), name));
    EXPECT_EQ(FtText::TextFontCount(), 1);
    EXPECT_FALSE(std::filesystem::exists(UserFontFolder()));
}

TEST(UserFontFolder, FollowsTheDataHomeAndSortsNamesIntoLetterTabs) {
    const test::LibraryFolder folder;  // puts XDG_DATA_HOME back afterwards
    setenv("XDG_DATA_HOME", "/data", 1);
    EXPECT_EQ(UserFontFolder(), "/data/Vexo Logo/fonts");
    setenv("XDG_DATA_HOME", "relative", 1);  // not absolute: ignored, as Qt ignores it
    EXPECT_EQ(UserFontFolder(), std::string(std::getenv("HOME")) + "/.local/share/Vexo Logo/fonts");

    const std::pair<const char*, int> tabs[] = {{"andika", 0}, {"Bitter", 1}, {"Cabin", 2},
                                                {"Exo", 3},    {"Jost", 5},   {"Oxygen", 7},
                                                {"Sans", 9},   {"Zilla", 10}, {"9 Dots", 0}};
    for (const auto& [name, tab] : tabs) EXPECT_EQ(LetterTab(name), tab) << name;
}

}  // namespace
}  // namespace vx
