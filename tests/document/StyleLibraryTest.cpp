#include <gtest/gtest.h>

#include "document/ProjectFile.h"
#include "document/StyleLibrary.h"
#include "support/Documents.h"
#include "support/Recorders.h"
#include "support/TempDir.h"

namespace vx {
namespace {

using Bytes = std::vector<std::uint8_t>;

class StyleLibraryTest : public test::RecordingTest {
protected:
    void Style(int n, const Bytes& bytes) { tmp.Write(std::to_string(n) + ".zeb", bytes); }
    std::vector<LogoParams> Load() { return LoadStyles(tmp.path().string()); }

    test::TempDir tmp;
};

TEST_F(StyleLibraryTest, TakesObjectZeroOfEachFileUntilOneIsMissing) {
    EXPECT_TRUE(Load().empty());
    EXPECT_EQ(rec.messages, std::vector<std::string>{MSG_STYLES_MISSING});
    rec.messages.clear();

    LeFile two = test::MakeVariedDocument(2);
    two.obj[0]->lt.str = "first";
    Style(1, EncodeProject(two));
    Style(2, EncodeProject(LeFile()));  // no objects: skipped
    Style(3, EncodeProject(test::MakeVariedDocument(1)));
    Style(5, EncodeProject(test::MakeVariedDocument(1)));  // after the gap at 4: not read
    const std::vector<LogoParams> styles = Load();
    ASSERT_EQ(styles.size(), 2u);
    EXPECT_EQ(styles[0].str, "first");
    EXPECT_TRUE(rec.messages.empty());
}

// Past its header a style file is read as a project is: the message, and its
// first object kept when it was read in full. A header it cannot read gives
// no style and the library's own message.
TEST_F(StyleLibraryTest, UnreadableFilesAreReportedAsProjectsAre) {
    const Bytes two = EncodeProject(test::MakeVariedDocument(2));
    Bytes bytes = two;
    bytes[EncodeProject(test::MakeVariedDocument(1)).size()] = 1;  // object 1's record version
    Style(1, bytes);
    Style(2, Bytes(two.begin(), two.end() - 1));  // object 1 cut
    bytes = two;
    bytes[40 + 4] = 1;  // object 0's parameter record of an unknown version
    Style(3, bytes);
    bytes[4] = 9;  // a file version we cannot read
    Style(4, bytes);
    Style(5, two);
    const std::vector<LogoParams> styles = Load();
    ASSERT_EQ(styles.size(), 3u);
    EXPECT_EQ(styles[0].str, test::MakeVariedObject(0)->lt.str);
    EXPECT_EQ(rec.messages,
              (std::vector<std::string>{MSG_WRONG_VERSION, MSG_CANNOT_OPEN + tmp.Path("2.zeb"),
                                        MSG_WRONG_VERSION, MSG_STYLES_MISSING}));
}

}  // namespace
}  // namespace vx
