#include <gtest/gtest.h>

#include <cctype>

#include "document/LeFile.h"
#include "support/Documents.h"
#include "support/Recorders.h"

namespace vx {
namespace {

using test::RecordingTest;

class LeFileTest : public RecordingTest {
protected:
    // A document of objects named "A", "B", ... in stacking order.
    static LeFile Named(const std::string& names, int type = TEXT_OBJECT) {
        LeFile lf;
        for (const char c : names) {
            auto o = std::make_unique<LogoObject>();
            o->lt.str = std::string(1, c);
            o->type = type;
            lf.AddObj(std::move(o));
        }
        return lf;
    }
    static std::string Order(const LeFile& lf) {
        std::string s;
        for (int n = 0; n < lf.objs; ++n) s += lf.obj[n]->lt.str;
        return s;
    }
};

// Selection and stacking: each step from a document of objects "A", "B", ...
// (shapes where lowercase) and the current object before it.
TEST_F(LeFileTest, SelectionAndStackingOrderSteps) {
    using Step = int (LeFile::*)();
    const struct {
        const char* what;
        std::string names;
        int cur;
        Step step;
        std::string order;
        int cur_after;
    } cases[] = {
        {"next wraps to the back", "ABC", 2, &LeFile::NextObj, "ABC", 0},
        {"previous wraps to the front", "ABC", 0, &LeFile::PrevObj, "ABC", 2},
        {"next without a selection", "ABC", -1, &LeFile::NextObj, "ABC", 0},
        {"previous without a selection", "ABC", -1, &LeFile::PrevObj, "ABC", 2},
        {"next of nothing", "", -1, &LeFile::NextObj, "", -1},
        {"previous of nothing", "", -1, &LeFile::PrevObj, "", -1},
        {"closer at the front", "ABC", 2, &LeFile::BringCloser, "ABC", 2},
        {"closer", "CBA", 0, &LeFile::BringCloser, "BCA", 1},
        {"farther at the back", "ABC", 0, &LeFile::SendFarther, "ABC", 0},
        {"farther", "ABC", 2, &LeFile::SendFarther, "ACB", 1},
        {"to the front", "ABC", 0, &LeFile::Bring2Front, "BCA", 2},
        {"to the front from the front", "BCA", 2, &LeFile::Bring2Front, "BCA", 2},
        {"to the back", "BCA", 1, &LeFile::Send2Back, "CBA", 0},
        {"delete selects the backmost", "ABC", 2, &LeFile::DeleteCur, "AB", 0},
        {"delete the last one", "A", 0, &LeFile::DeleteCur, "", -1},
        {"first shape, none there: unchanged", "AB", 0, &LeFile::SelFstObj, "AB", 0},
        {"first shape, nearest the front", "aBcD", 0, &LeFile::SelFstObj, "aBcD", 2},
    };
    for (const auto& c : cases) {
        LeFile lf = Named(c.names);
        for (int n = 0; n < lf.objs; ++n)
            if (std::islower(c.names[n])) lf.obj[n]->type = SHAPE_OBJECT;
        lf.cur = c.cur;
        (lf.*c.step)();
        EXPECT_EQ(Order(lf), c.order) << c.what;
        EXPECT_EQ(lf.cur, c.cur_after) << c.what;
        EXPECT_EQ(lf.obj[lf.objs], nullptr) << c.what;
    }
}

TEST_F(LeFileTest, OrderOperationsNeedTwoObjects) {
    LeFile lf = Named("A");
    lf.cur = 0;
    lf.BringCloser();
    EXPECT_EQ(rec.FailedExpressions(), std::vector<std::string>{"objs>1"});
    rec.reports.clear();
}

TEST_F(LeFileTest, DuplicateCopiesParametersNotPixelsAndPlacesAboveCentre) {
    LeFile lf;
    auto bitmap = std::make_unique<LogoObject>();
    bitmap->type = BITMAP_OBJECT;
    bitmap->file = "/pictures/logo.png";
    bitmap->w = 30;
    bitmap->h = 20;
    bitmap->x = 77;
    bitmap->cbm.assign(600, 0xFF000000u);
    lf.AddObj(std::move(bitmap));
    LeFile::ob.dh = 203;
    lf.DuplicateCur();
    ASSERT_EQ(lf.objs, 2);
    EXPECT_EQ(lf.cur, 1);
    const LogoObject& copy = *lf.obj[1];
    EXPECT_EQ(copy.file, "/pictures/logo.png");
    EXPECT_EQ(copy.w, 30);
    EXPECT_EQ(copy.h, 20);
    EXPECT_TRUE(copy.cbm.empty());
    EXPECT_EQ(copy.x, 0);
    EXPECT_EQ(copy.y, -50);
    LeFile::ob.dh = 0;
}

TEST_F(LeFileTest, CopyIsDeepAndCopyingEmptyClearsTheTarget) {
    const LeFile full = test::MakeVariedDocument(5);
    LeFile copy = full;
    std::string why;
    EXPECT_TRUE(test::SameStoredDocument(full, copy, &why)) << why;
    copy.obj[0]->lt.str = "changed";
    EXPECT_NE(full.obj[0]->lt.str, "changed");

    LeFile empty;
    empty.bgc = HslF{1, 2, 3};
    empty.canvas_w = 9;
    empty.CopyTo(copy);
    EXPECT_EQ(copy.objs, 0);
    EXPECT_EQ(copy.cur, -1);
    EXPECT_EQ(copy.bgc.l, 3.0f);
    EXPECT_EQ(copy.canvas_w, 9);
    // Self-assignment, through a reference as it happens in practice, keeps the document.
    const LeFile& same = copy;
    copy = same;
    EXPECT_EQ(copy.canvas_w, 9);
}

TEST_F(LeFileTest, ClearKeepsCanvasSizeAndSetsItsOwnBackground) {
    LeFile lf = test::MakeVariedDocument(3);
    lf.Clear();
    EXPECT_EQ(lf.objs, 0);
    EXPECT_EQ(lf.cur, -1);
    EXPECT_EQ(lf.fixed_canvas, 0);
    EXPECT_EQ(lf.canvas_w, 640);
    EXPECT_EQ(lf.bgc.s, 240.0f);
}

TEST_F(LeFileTest, TheHundredAndFirstObjectIsRefused) {
    LeFile lf = test::MakeVariedDocument(MAX_OBJS);
    EXPECT_FALSE(lf.CanAdd());
    lf.AddObj(std::make_unique<LogoObject>());
    lf.cur = 0;
    lf.DuplicateCur();
    EXPECT_EQ(lf.objs, MAX_OBJS);
    EXPECT_EQ(rec.FailedExpressions(),
              (std::vector<std::string>{"objs<MAX_OBJS", "objs<MAX_OBJS"}));
    rec.reports.clear();
}

}  // namespace
}  // namespace vx
