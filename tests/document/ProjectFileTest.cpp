#include <gtest/gtest.h>

#include <bit>

#include "document/ProjectFile.h"
#include "shell/ReadFile.h"
#include "support/Documents.h"
#include "support/Recorders.h"
#include "support/TempDir.h"

namespace vx {
namespace {

using Bytes = std::vector<std::uint8_t>;

// The invariants every document keeps, whatever a file held.
::testing::AssertionResult Consistent(const LeFile& lf) {
    if (lf.objs < 0 || lf.objs > MAX_OBJS)
        return ::testing::AssertionFailure() << "objs " << lf.objs;
    for (int n = 0; n < MAX_OBJS; ++n)
        if ((lf.obj[n] != nullptr) != (n < lf.objs))
            return ::testing::AssertionFailure()
                   << "slot " << n << " does not match objs " << lf.objs;
    if (lf.cur < -1 || lf.cur >= lf.objs) return ::testing::AssertionFailure() << "cur " << lf.cur;
    return ::testing::AssertionSuccess();
}

// Writes `v` over the eight bytes at `at`, little-endian.
void Put(Bytes& b, std::size_t at, std::uint64_t v) {
    for (int i = 0; i < 8; ++i) b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

// Offsets at which each object record of `lf`'s file starts, and the file's end.
std::vector<std::size_t> RecordOffsets(const LeFile& lf) {
    std::vector<std::size_t> offsets;
    LeFile prefix;
    for (int n = 0; n <= lf.objs; ++n) {
        offsets.push_back(EncodeProject(prefix).size());
        if (n < lf.objs) {
            prefix.AddObj(std::make_unique<LogoObject>());
            lf.obj[n]->CopyParamsTo(*prefix.obj[n]);
        }
    }
    return offsets;
}

class ProjectFileTest : public test::RecordingTest {
protected:
    test::TempDir tmp;
};

// The file written independently from the layout (see the data folder's README).
TEST_F(ProjectFileTest, WritesTheLayoutByteForByte) {
    LeFile lf;
    lf.Clear();
    lf.AddObj(std::make_unique<LogoObject>());
    Bytes expected;
    ASSERT_TRUE(ReadWholeFile(VX_DOCUMENT_DATA "/one-default-object.zeb", 1024, expected));
    EXPECT_EQ(EncodeProject(lf), expected);
}

TEST_F(ProjectFileTest, EveryFieldRoundTripsBitForBit) {
    LeFile lf = test::MakeVariedDocument(7);
    lf.obj[3]->lt.angle = std::bit_cast<float>(0x7FC01234u);  // NaN with a payload
    lf.obj[4]->lt.bend = -0.0f;
    lf.obj[4]->y = -2;
    lf.obj[5]->lt.str = std::string(70000, 'q');  // the longest length form
    lf.obj[6]->lt.font = std::string(300, '\xFF');
    LeFile back;
    ASSERT_EQ(DecodeProject(EncodeProject(lf), back).status, ProjectStatus::OK);
    EXPECT_TRUE(test::SameStoredDocument(lf, back));
    EXPECT_EQ(back.obj[0]->lib_index, 0) << "never stored";
}

// Version 1 stores no canvas: a file of it leaves the canvas size as it was,
// and not fixed.
TEST_F(ProjectFileTest, VersionOneFilesHaveNoCanvasFields) {
    LeFile saved = test::MakeVariedDocument(2);
    const Bytes v1 = EncodeProject(saved, 1);
    EXPECT_EQ(v1.size(), EncodeProject(saved).size() - 12);
    LeFile lf;
    lf.canvas_w = saved.canvas_w = 321;
    lf.canvas_h = saved.canvas_h = 123;
    lf.fixed_canvas = 1;
    saved.fixed_canvas = 0;
    const ProjectResult r = DecodeProject(v1, lf);
    ASSERT_EQ(r.status, ProjectStatus::OK);
    EXPECT_EQ(r.version, 1u);
    EXPECT_TRUE(test::SameStoredDocument(saved, lf));
}

// A damaged number refuses the file before anything is used: before the
// header is through, the document is left alone; after it, the document holds
// the records before the damage.
TEST_F(ProjectFileTest, DamagedNumbersAreRefusedKeepingTheRecordsBefore) {
    const LeFile saved = test::MakeVariedDocument(3);
    const std::size_t second = RecordOffsets(saved)[1];
    const struct {
        const char* what;
        std::size_t at;
        std::uint64_t value;
        ProjectStatus status;
        int objs;  // of a document of two before
    } cases[] = {
        {"newer version", 4, 3, ProjectStatus::REFUSED, 2},
        {"not a project", 0, 0x39DE, ProjectStatus::REFUSED, 2},
        {"object record version", second, 1, ProjectStatus::REFUSED, 1},
        {"parameter record version", second + 4, 1, ProjectStatus::REFUSED, 1},
        {"object count -1", 20, 0xFFFFFFFF, ProjectStatus::UNREADABLE, 0},
        {"object count 101", 20, 101, ProjectStatus::UNREADABLE, 0},
        {"object count 2^31 - 1", 20, 0x7FFFFFFF, ProjectStatus::UNREADABLE, 0},
        // 0xFF, 0xFFFF, then 2^32 - 1: the longest length form, far beyond the file
        {"first text length", 40 + 12, ~0ull, ProjectStatus::UNREADABLE, 0},
    };
    for (const auto& c : cases) {
        Bytes b = EncodeProject(saved);
        Put(b, c.at, c.value);
        LeFile lf = test::MakeVariedDocument(2);
        EXPECT_EQ(DecodeProject(b, lf).status, c.status) << c.what;
        EXPECT_EQ(lf.objs, c.objs) << c.what;
        EXPECT_TRUE(Consistent(lf)) << c.what;
    }
}

TEST_F(ProjectFileTest, EveryTruncationLeavesAConsistentDocument) {
    const LeFile saved = test::MakeVariedDocument(4);
    const Bytes full = EncodeProject(saved);
    const std::vector<std::size_t> starts = RecordOffsets(saved);
    for (std::size_t len = 0; len < full.size(); ++len) {
        LeFile lf = test::MakeVariedDocument(1);
        const ProjectResult r = DecodeProject(std::span(full.data(), len), lf);
        ASSERT_EQ(r.status, ProjectStatus::UNREADABLE) << len;
        ASSERT_TRUE(Consistent(lf)) << len;
        // Before the version is known the document is untouched; after it, the
        // document holds exactly the records read in full.
        int whole_records = len < 8 ? 1 : 0;
        while (len >= 8 && whole_records < saved.objs && starts[whole_records + 1] <= len)
            ++whole_records;
        ASSERT_EQ(lf.objs, whole_records) << len;
    }
}

// What the program cannot use is repaired on load: a current object that is
// not there, and kinds it does not know.
TEST_F(ProjectFileTest, OutOfRangeCurAndUnknownKindsAreRepaired) {
    LeFile saved = test::MakeVariedDocument(3);
    saved.obj[0]->type = 7;
    saved.obj[1]->type = -1;
    for (const int cur : {-7, 3, 1000}) {
        saved.cur = cur;
        LeFile lf;
        ASSERT_EQ(DecodeProject(EncodeProject(saved), lf).status, ProjectStatus::OK);
        EXPECT_EQ(lf.cur, -1);
        EXPECT_EQ(lf.obj[0]->type, TEXT_OBJECT);
        EXPECT_EQ(lf.obj[1]->type, TEXT_OBJECT);
        EXPECT_EQ(lf.obj[2]->type, saved.obj[2]->type);
    }
}

TEST_F(ProjectFileTest, SaveAndLoadThroughFilesTellingWhatFailed) {
    const LeFile saved = test::MakeVariedDocument(3);
    SaveProject(tmp.Path("logo.zeb"), saved);
    LeFile lf;
    LoadProject(tmp.Path("logo.zeb"), lf);
    EXPECT_TRUE(test::SameStoredDocument(saved, lf));
    EXPECT_TRUE(rec.messages.empty());

    Bytes bytes = EncodeProject(saved);
    bytes.pop_back();
    LoadProject(tmp.Write("short.zeb", bytes), lf);
    bytes[4] = 3;
    LoadProject(tmp.Write("v3.zeb", bytes), lf);
    LoadProject(tmp.Path("missing.zeb"), lf);
    SaveProject(tmp.Path("no-such-folder/x.zeb"), saved);
    EXPECT_EQ(rec.messages,
              (std::vector<std::string>{MSG_CANNOT_OPEN + tmp.Path("short.zeb"), MSG_WRONG_VERSION,
                                        MSG_CANNOT_OPEN + tmp.Path("missing.zeb"),
                                        MSG_CANNOT_SAVE + tmp.Path("no-such-folder/x.zeb")}));
}

}  // namespace
}  // namespace vx
