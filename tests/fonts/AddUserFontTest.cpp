// Add Fonts while the program runs: the face usable at once, its file copied
// into the user's fonts folder, and the files that are refused.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "LibraryFolder.h"
#include "render/AddUserFont.h"
#include "render/FtText.h"
#include "render/UserFonts.h"
#include "support/Recorders.h"

namespace vx {
namespace {

namespace fs = std::filesystem;
using test::Record;
using test::TestFont;

std::vector<std::uint8_t> Bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

class AddUserFontTest : public test::RecordingTest {
protected:
    void SetUp() override {
        folder.WriteAll({Record("sym-a.ttf")}, {Record("text-b.ttf")}, {});
        FtText::InitFt();
    }
    void TearDown() override {
        FtText::FreeFt();
        RecordingTest::TearDown();
    }
    // A file outside the program's folders, as the file dialog picks it.
    std::string Source(const std::string& name, const std::vector<std::uint8_t>& bytes) {
        fs::create_directories(folder.Path("picked"));
        folder.WriteRaw("picked/" + name, bytes);
        return folder.Path("picked/" + name);
    }

    test::LibraryFolder folder;
};

TEST_F(AddUserFontTest, TheFaceIsUsableAtOnceAndItsFileCopied) {
    const std::string source = Source("Text A.TTF", TestFont("text-a.ttf"));
    std::string name;
    ASSERT_TRUE(AddUserFont(source, UserFontFolder(), name));
    EXPECT_EQ(name, "Text A Regular");
    ASSERT_EQ(FtText::TextFontCount(), 2);
    const FontData& fd = FtText::TextFontEntry(1);
    EXPECT_EQ(fd.name, "Text A Regular");
    EXPECT_EQ(fd.cat, LetterTab("Text A Regular"));
    EXPECT_TRUE(fd.own);
    EXPECT_EQ(fd.path, UserFontFolder() + "/Text A.TTF");
    EXPECT_EQ(Bytes(fd.path), TestFont("text-a.ttf"));
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
        std::vector<std::uint8_t> bytes;
        std::string message;  // before the path
    } cases[] = {
        {"junk.ttf", std::vector<std::uint8_t>(99, 7), MSG_FONT_NOT_OPENED},
        {"empty.otf", {}, MSG_FONT_NOT_OPENED},
        // Named by its tables, but FreeType cannot draw with it.
        {"broken.ttf", test::Unopenable("text-a.ttf").font, MSG_FONT_NOT_OPENED},
        {"again.ttf", TestFont("text-b.ttf"),
         MSG_FONT_NAME_TAKEN + std::string("Text B Regular (")},
    };
    for (const auto& c : cases) {
        const std::string source = Source(c.file, c.bytes);
        std::string name;
        const Result added = AddUserFont(source, UserFontFolder(), name);
        EXPECT_FALSE(added) << c.file;
        EXPECT_EQ(added.message().rfind(c.message, 0), 0u) << added.message();
        EXPECT_NE(added.message().find(source), std::string::npos) << added.message();
    }
    std::string name;
    EXPECT_FALSE(AddUserFont(folder.Path("picked/none.ttf"), UserFontFolder(), name));
    EXPECT_EQ(FtText::TextFontCount(), 1);
    EXPECT_FALSE(fs::exists(UserFontFolder()));
}

TEST_F(AddUserFontTest, AFileNameInUseGetsANumberInsteadOfReplacingIt) {
    // A file left out at start (its face name was taken) keeps its place.
    const std::string left_out = folder.WriteUserFont("font.ttf", TestFont("text-b.ttf"));
    std::string name;
    ASSERT_TRUE(AddUserFont(Source("font.ttf", TestFont("text-a.ttf")), UserFontFolder(), name));
    EXPECT_EQ(Bytes(left_out), TestFont("text-b.ttf"));
    EXPECT_EQ(FtText::TextFontEntry(1).path, UserFontFolder() + "/font (2).ttf");
    EXPECT_EQ(Bytes(UserFontFolder() + "/font (2).ttf"), TestFont("text-a.ttf"));
}

}  // namespace
}  // namespace vx
