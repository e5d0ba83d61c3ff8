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

// Files 1.zeb, 2.zeb, ... are read until one is missing, each giving its
// object 0's style. Past its header a file is read as a project is: the
// message, and its first object kept when it was read in full. A header it
// cannot read gives no style and the library's own message.
TEST_F(StyleLibraryTest, TakesObjectZeroOfEachFileUntilOneIsMissing) {
    EXPECT_TRUE(Load().empty());
    EXPECT_EQ(rec.messages, std::vector<std::string>{MSG_STYLES_MISSING});
    rec.messages.clear();

    const Bytes two = EncodeProject(test::MakeVariedDocument(2));
    Bytes object1_newer = two, object0_newer = two, file_newer = two;
    object1_newer[EncodeProject(test::MakeVariedDocument(1)).size()] = 1;  // record version
    object0_newer[40 + 4] = 1;  // parameter record version
    file_newer[4] = 9;
    const Bytes files[] = {
        two,
        EncodeProject(LeFile()),  // no objects: no style
        object1_newer,
        Bytes(two.begin(), two.end() - 1),  // object 1 cut
        object0_newer,
        file_newer,
        two,
    };
    for (int n = 0; n < 7; ++n) Style(n + 1, files[n]);
    Style(9, two);  // after the gap at 8: not read
    const std::vector<LogoParams> styles = Load();
    EXPECT_EQ(styles.size(), 4u) << "from files 1, 3, 4 and 7";
    for (const LogoParams& style : styles) EXPECT_EQ(style.str, test::MakeVariedObject(0)->lt.str);
    EXPECT_EQ(rec.messages,
              (std::vector<std::string>{MSG_WRONG_VERSION, MSG_CANNOT_OPEN + tmp.Path("4.zeb"),
                                        MSG_WRONG_VERSION, MSG_STYLES_MISSING}));
}

}  // namespace
}  // namespace vx
