#include <gtest/gtest.h>

#include <cctype>

#include "document/LeFile.h"
#include "support/Documents.h"
#include "support/Recorders.h"

namespace vx {
namespace {

// A document of objects named "A", "B", ... in stacking order; lowercase names
// are shapes.
LeFile Named(const std::string& names) {
    LeFile lf;
    for (const char c : names) {
        auto o = std::make_unique<LogoObject>();
        o->lt.str = std::string(1, c);
        o->type = std::islower(c) ? SHAPE_OBJECT : TEXT_OBJECT;
        lf.AddObj(std::move(o));
    }
    return lf;
}

std::string Order(const LeFile& lf) {
    std::string s;
    for (int n = 0; n < lf.objs; ++n) s += lf.obj[n]->lt.str;
    return s;
}

using LeFileTest = test::RecordingTest;

// Selection and stacking: each step from a document of named objects and the
// current object before it, with the checked conditions it fails.
TEST_F(LeFileTest, SelectionAndStackingOrderSteps) {
    using Step = int (LeFile::*)();
    const std::string full(MAX_OBJS, 'A');
    const struct {
        const char* what;
        std::string names;
        int cur;
        Step step;
        std::string order;
        int cur_after;
        std::vector<std::string> failed = {};
    } cases[] = {
        {"next wraps to the back", "ABC", 2, &LeFile::NextObj, "ABC", 0},
        {"previous wraps to the front", "ABC", 0, &LeFile::PrevObj, "ABC", 2},
        {"next without a selection", "ABC", -1, &LeFile::NextObj, "ABC", 0},
        {"previous without a selection", "ABC", -1, &LeFile::PrevObj, "ABC", 2},
        {"next of nothing", "", -1, &LeFile::NextObj, "", -1},
        {"previous of nothing", "", -1, &LeFile::PrevObj, "", -1},
        {"closer at the front", "ABC", 2, &LeFile::BringCloser, "ABC", 2},
        {"closer", "CBA", 0, &LeFile::BringCloser, "BCA", 1},
        {"closer needs two objects", "A", 0, &LeFile::BringCloser, "A", 0, {"objs>1"}},
        {"farther at the back", "ABC", 0, &LeFile::SendFarther, "ABC", 0},
        {"farther", "ABC", 2, &LeFile::SendFarther, "ACB", 1},
        {"to the front", "ABC", 0, &LeFile::Bring2Front, "BCA", 2},
        {"to the front from the front", "BCA", 2, &LeFile::Bring2Front, "BCA", 2},
        {"to the back", "BCA", 1, &LeFile::Send2Back, "CBA", 0},
        {"duplicate goes to the front", "AB", 0, &LeFile::DuplicateCur, "ABA", 2},
        // Making the document adds one object too many, the step another: two failures.
        {"duplicate, full", full + "A", 0, &LeFile::DuplicateCur, full, 0, {2, "objs<MAX_OBJS"}},
        {"delete selects the backmost", "ABC", 2, &LeFile::DeleteCur, "AB", 0},
        {"delete the last one", "A", 0, &LeFile::DeleteCur, "", -1},
        {"first shape, none there: unchanged", "AB", 0, &LeFile::SelFstObj, "AB", 0},
        {"first shape, nearest the front", "aBcD", 0, &LeFile::SelFstObj, "aBcD", 2},
    };
    for (const auto& c : cases) {
        LeFile lf = Named(c.names);
        lf.cur = c.cur;
        (lf.*c.step)();
        EXPECT_EQ(Order(lf), c.order) << c.what;
        EXPECT_EQ(lf.cur, c.cur_after) << c.what;
        EXPECT_EQ(lf.obj[lf.objs], nullptr) << c.what;
        EXPECT_EQ(rec.FailedExpressions(), c.failed) << c.what;
        rec.reports.clear();
    }
}

TEST_F(LeFileTest, DuplicateCopiesTheStoredFieldsAndPlacesAboveCentre) {
    LeFile lf;
    lf.AddObj(test::MakeVariedObject(2));
    LeFile::ob.dh = 203;
    lf.DuplicateCur();
    LeFile::ob.dh = 0;
    ASSERT_EQ(lf.objs, 2);
    LogoObject& copy = *lf.obj[1];
    EXPECT_EQ(copy.x, 0);
    EXPECT_EQ(copy.y, -50);
    copy.x = lf.obj[0]->x;
    copy.y = lf.obj[0]->y;
    EXPECT_TRUE(test::SameStoredFields(*lf.obj[0], copy));
}

// Copies (undo snapshots among them) take the stored fields, never pixels;
// a copy onto itself keeps the document, a copy of an empty one clears it.
TEST_F(LeFileTest, CopiesTakeTheStoredFieldsWithoutPixels) {
    LeFile full = test::MakeVariedDocument(5);
    full.obj[2]->cbm.assign(100, 0xFF00FF00u);
    full.obj[2]->ft = std::make_unique<ObjectRenderer>();
    LeFile copy = full;
    const LeFile& same = copy;  // self-assignment, through a reference as in practice
    copy = same;
    EXPECT_TRUE(test::SameStoredDocument(full, copy));
    EXPECT_TRUE(copy.obj[2]->cbm.empty());
    EXPECT_EQ(copy.obj[2]->ft, nullptr);

    LeFile empty;
    empty.bgc = HslF{1, 2, 3};
    empty.canvas_w = 9;
    empty.CopyTo(copy);
    EXPECT_TRUE(test::SameStoredDocument(empty, copy));
}

TEST_F(LeFileTest, ClearKeepsCanvasSizeAndSetsItsOwnBackground) {
    LeFile lf = test::MakeVariedDocument(3);
    lf.Clear();
    LeFile cleared;
    cleared.bgc = {0, 240, 240};
    cleared.canvas_w = 640;
    cleared.canvas_h = 480;
    EXPECT_TRUE(test::SameStoredDocument(lf, cleared));
}

}  // namespace
}  // namespace vx
