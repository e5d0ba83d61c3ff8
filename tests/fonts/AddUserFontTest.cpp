// Add Fonts while the program runs: the face usable at once, its file copied
// into the user's fonts folder, and the files that are refused.

#include <gtest/gtest.h>

#include <filesystem>

#include "LibraryFolder.h"
#include "render/AddUserFont.h"
#include "render/FtText.h"
#include "render/UserFonts.h"

namespace vx {
namespace {

using test::FileBytes;
using test::Record;
using test::TestFont;

class AddUserFontTest : public test::LibraryTest {
protected:
    void SetUp() override { Load({Record("sym-a.ttf")}, {Record("text-b.ttf")}, {}); }
    // Adds a file picked outside the program's folders, as the file dialog picks it.
    Result Add(const std::string& file, const test::Bytes& bytes, std::string& name) {
        return AddUserFont(folder.WriteRaw("picked/" + file, bytes), UserFontFolder(), name);
    }
};

TEST_F(AddUserFontTest, TheFaceIsUsableAtOnceAndItsFileCopied) {
    std::string name;
    ASSERT_TRUE(Add("Text A.TTF", TestFont("text-a.ttf"), name));
    EXPECT_EQ(name, "Text A Regular");
    ASSERT_EQ(FtText::TextFontCount(), 2);
    const FontData& fd = FtText::TextFontEntry(1);
    EXPECT_EQ(fd.name, "Text A Regular");
    EXPECT_EQ(fd.cat, LetterTab("Text A Regular"));
    EXPECT_TRUE(fd.own);
    EXPECT_EQ(fd.path, UserFontFolder() + "/Text A.TTF");
    EXPECT_EQ(FileBytes(fd.path), TestFont("text-a.ttf"));
    EXPECT_NE(FtText::FindFace("Text A Regular"), nullptr);
    EXPECT_EQ(FtText::FindFace("Text A Regular"), FtText::TextFont(1).face);
    EXPECT_TRUE(rec.messages.empty());

    // After a restart the copy loads like every user font.
    FtText::FreeFt();
    FtText::InitFt();
    EXPECT_TRUE(FtText::HasFace("Text A Regular"));
}

TEST_F(AddUserFontTest, RefusedFilesSayWhyAndCopyNothing) {
    const struct {
        std::string file;
        test::Bytes bytes;
        std::string before, after;  // the message, around the file's path
    } cases[] = {
        {"junk.ttf", test::Bytes(99, 7), MSG_FONT_NOT_OPENED, ""},
        {"empty.otf", {}, MSG_FONT_NOT_OPENED, ""},
        // Named by its tables, but FreeType cannot draw with it.
        {"broken.ttf", test::Unopenable("text-a.ttf"), MSG_FONT_NOT_OPENED, ""},
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

TEST_F(AddUserFontTest, AFileNameInUseGetsANumberInsteadOfReplacingIt) {
    // A file left out at start (its face name was taken) keeps its place.
    const std::string left_out = folder.WriteUserFont("font.ttf", TestFont("text-b.ttf"));
    std::string name;
    ASSERT_TRUE(Add("font.ttf", TestFont("text-a.ttf"), name));
    EXPECT_EQ(FileBytes(left_out), TestFont("text-b.ttf"));
    EXPECT_EQ(FtText::TextFontEntry(1).path, UserFontFolder() + "/font (2).ttf");
    EXPECT_EQ(FileBytes(UserFontFolder() + "/font (2).ttf"), TestFont("text-a.ttf"));
}

}  // namespace
}  // namespace vx
