#include <gtest/gtest.h>

#include <filesystem>

#include "document/ProjectFile.h"
#include "document/StyleLibrary.h"
#include "shell/AtomicFile.h"
#include "support/Documents.h"
#include "support/Recorders.h"
#include "support/TempDir.h"

namespace vx {
namespace {

namespace fs = std::filesystem;

class StyleLibraryTest : public test::RecordingTest {
protected:
    void Style(int n, const LeFile& lf) {
        SaveProject((dir / (std::to_string(n) + ".zeb")).string(), lf);
    }
    test::TempDir tmp;
    const fs::path dir = tmp.path();
};

TEST_F(StyleLibraryTest, TakesObjectZeroOfEachFileUntilOneIsMissing) {
    LeFile two = test::MakeVariedDocument(2);
    two.obj[0]->lt.str = "first";
    Style(1, two);
    Style(2, LeFile());  // no objects: skipped
    Style(3, test::MakeVariedDocument(1));
    Style(5, test::MakeVariedDocument(1));  // after the gap at 4: not read
    const std::vector<LogoParams> styles = LoadStyles(dir.string());
    ASSERT_EQ(styles.size(), 2u);
    EXPECT_EQ(styles[0].str, "first");
    EXPECT_TRUE(rec.messages.empty());
}

TEST_F(StyleLibraryTest, MissingFirstFileAndUnreadableFilesAreReported) {
    EXPECT_TRUE(LoadStyles(dir.string()).empty());
    EXPECT_EQ(rec.messages, std::vector<std::string>{MSG_STYLES_MISSING});
    rec.messages.clear();

    Style(1, test::MakeVariedDocument(1));
    std::vector<std::uint8_t> bad = EncodeProject(test::MakeVariedDocument(1));
    bad.pop_back();
    ASSERT_TRUE(WriteFileAtomically((dir / "2.zeb").string(), bad));
    bad[4] = 9;  // a version we cannot read
    ASSERT_TRUE(WriteFileAtomically((dir / "3.zeb").string(), bad));
    Style(4, test::MakeVariedDocument(1));
    EXPECT_EQ(LoadStyles(dir.string()).size(), 2u);
    EXPECT_EQ(rec.messages, (std::vector<std::string>{MSG_CANNOT_OPEN + (dir / "2.zeb").string(),
                                                      MSG_STYLES_MISSING}));
}

TEST_F(StyleLibraryTest, FilesReadPastTheHeaderKeepTheirFirstObjectAsProjectsDo) {
    LeFile first = test::MakeVariedDocument(2);
    first.obj[1].reset();
    first.objs = 1;
    const std::size_t second_record = EncodeProject(first).size();
    const std::vector<std::uint8_t> two = EncodeProject(test::MakeVariedDocument(2));
    const auto write = [&](int n, std::vector<std::uint8_t> bytes) {
        EXPECT_TRUE(WriteFileAtomically((dir / (std::to_string(n) + ".zeb")).string(), bytes));
    };
    std::vector<std::uint8_t> bytes = two;
    bytes[second_record] = 1;  // object 1 of an unknown record version
    write(1, bytes);
    write(2, std::vector<std::uint8_t>(two.begin(), two.end() - 1));  // object 1 cut
    bytes = two;
    bytes[40 + 4] = 1;  // object 0's parameter record of an unknown version
    write(3, bytes);
    const std::vector<LogoParams> styles = LoadStyles(dir.string());
    ASSERT_EQ(styles.size(), 2u);
    EXPECT_EQ(styles[0].str, test::MakeVariedDocument(1).obj[0]->lt.str);
    EXPECT_EQ(rec.messages, (std::vector<std::string>{MSG_WRONG_VERSION,
                                                      MSG_CANNOT_OPEN + (dir / "2.zeb").string(),
                                                      MSG_WRONG_VERSION}));
}

}  // namespace
}  // namespace vx
