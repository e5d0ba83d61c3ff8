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

// The invariants every document keeps, whatever a file held: its objects, of
// kinds the program knows, fill the first slots; the current one is one of
// them or -1.
::testing::AssertionResult Consistent(const LeFile& lf) {
    if (lf.objs < 0 || lf.objs > MAX_OBJS)
        return ::testing::AssertionFailure() << "objs " << lf.objs;
    for (int n = 0; n < MAX_OBJS; ++n) {
        if ((lf.obj[n] != nullptr) != (n < lf.objs))
            return ::testing::AssertionFailure()
                   << "slot " << n << " does not match objs " << lf.objs;
        if (lf.obj[n] && (lf.obj[n]->type < TEXT_OBJECT || lf.obj[n]->type > BITMAP_OBJECT))
            return ::testing::AssertionFailure()
                   << "object " << n << " of kind " << lf.obj[n]->type;
    }
    if (lf.cur < -1 || lf.cur >= lf.objs) return ::testing::AssertionFailure() << "cur " << lf.cur;
    return ::testing::AssertionSuccess();
}

// Writes `v` over the eight bytes at `at`, little-endian.
void Put(Bytes& b, std::size_t at, std::uint64_t v) {
    for (int i = 0; i < 8; ++i) b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

// Where object record n of a file of MakeVariedDocument(count) starts, n == count
// giving the file's end: its objects before n are those of MakeVariedDocument(n).
std::size_t RecordStart(int n) {
    return EncodeProject(test::MakeVariedDocument(n)).size();
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
// the records before the damage. What the program cannot use but can repair,
// a current object that is not there or a kind it does not know, is repaired.
TEST_F(ProjectFileTest, DamagedNumbersAreRefusedOrRepaired) {
    const LeFile saved = test::MakeVariedDocument(3);  // current object 1
    const std::size_t second = RecordStart(1);
    const struct {
        const char* what;
        std::size_t at;
        std::uint64_t value;
        ProjectStatus status;
        int objs, cur;  // of a document of two, current 1, before
    } cases[] = {
        {"newer version", 4, 3, ProjectStatus::REFUSED, 2, 1},
        {"not a project", 0, 0x39DE, ProjectStatus::REFUSED, 2, 1},
        {"object record version", second, 1, ProjectStatus::REFUSED, 1, -1},
        {"parameter record version", second + 4, 1, ProjectStatus::REFUSED, 1, -1},
        {"object count -1", 20, 0xFFFFFFFF, ProjectStatus::UNREADABLE, 0, -1},
        {"object count 101", 20, 101, ProjectStatus::UNREADABLE, 0, -1},
        {"object count 2^31 - 1", 20, 0x7FFFFFFF, ProjectStatus::UNREADABLE, 0, -1},
        // 0xFF, 0xFFFF, then 2^32 - 1: the longest length form, far beyond the file
        {"first text length", 40 + 12, ~0ull, ProjectStatus::UNREADABLE, 0, -1},
        // The current object, then the fixed-canvas flag, written over.
        {"current object past the end", 24, 3, ProjectStatus::OK, 3, -1},
        {"current object -7", 24, 0xFFFFFFF9, ProjectStatus::OK, 3, -1},
        // Object 0's kind, then object 1's record version 0 written over.
        {"kind 7", second - 4, 7, ProjectStatus::OK, 3, 1},
        {"kind -1", second - 4, 0xFFFFFFFF, ProjectStatus::OK, 3, 1},
    };
    for (const auto& c : cases) {
        Bytes b = EncodeProject(saved);
        Put(b, c.at, c.value);
        LeFile lf = test::MakeVariedDocument(2);
        EXPECT_EQ(DecodeProject(b, lf).status, c.status) << c.what;
        EXPECT_EQ(lf.objs, c.objs) << c.what;
        EXPECT_EQ(lf.cur, c.cur) << c.what;
        EXPECT_TRUE(Consistent(lf)) << c.what;
    }
}

TEST_F(ProjectFileTest, EveryTruncationLeavesAConsistentDocument) {
    const LeFile saved = test::MakeVariedDocument(4);
    const Bytes full = EncodeProject(saved);
    for (std::size_t len = 0; len < full.size(); ++len) {
        LeFile lf = test::MakeVariedDocument(1);
        const ProjectResult r = DecodeProject(std::span(full.data(), len), lf);
        ASSERT_EQ(r.status, ProjectStatus::UNREADABLE) << len;
        ASSERT_TRUE(Consistent(lf)) << len;
        // Before the version is known the document is untouched; after it, the
        // document holds exactly the records read in full.
        int whole_records = len < 8 ? 1 : 0;
        while (len >= 8 && whole_records < saved.objs && RecordStart(whole_records + 1) <= len)
            ++whole_records;
        ASSERT_EQ(lf.objs, whole_records) << len;
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
