#include <gtest/gtest.h>

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

TEST_F(LeFileTest, NextAndPrevWrapAndDoNothingWhenEmpty) {
    LeFile lf = Named("ABC");
    lf.cur = 2;
    lf.NextObj();
    EXPECT_EQ(lf.cur, 0);
    lf.PrevObj();
    EXPECT_EQ(lf.cur, 2);
    lf.cur = -1;
    lf.NextObj();
    EXPECT_EQ(lf.cur, 0);
    lf.cur = -1;
    lf.PrevObj();
    EXPECT_EQ(lf.cur, 2);
    LeFile empty;
    empty.NextObj();
    empty.PrevObj();
    EXPECT_EQ(empty.cur, -1);
}

TEST_F(LeFileTest, StackingOrderOperations) {
    LeFile lf = Named("ABC");
    lf.cur = 2;
    lf.BringCloser();
    EXPECT_EQ(Order(lf), "ABC");
    EXPECT_EQ(lf.cur, 2);
    lf.cur = 0;
    lf.SendFarther();
    EXPECT_EQ(Order(lf), "ABC");
    lf.Bring2Front();
    EXPECT_EQ(Order(lf), "BCA");
    EXPECT_EQ(lf.cur, 2);
    lf.Bring2Front();
    EXPECT_EQ(Order(lf), "BCA");
    lf.cur = 1;
    lf.Send2Back();
    EXPECT_EQ(Order(lf), "CBA");
    EXPECT_EQ(lf.cur, 0);
    lf.BringCloser();
    EXPECT_EQ(Order(lf), "BCA");
    EXPECT_EQ(lf.cur, 1);
}

TEST_F(LeFileTest, OrderOperationsNeedTwoObjects) {
    LeFile lf = Named("A");
    lf.cur = 0;
    lf.BringCloser();
    EXPECT_EQ(rec.FailedExpressions(), std::vector<std::string>{"objs>1"});
    rec.reports.clear();
}

TEST_F(LeFileTest, DeleteSelectsTheBackmostObject) {
    LeFile lf = Named("ABC");
    lf.cur = 2;
    lf.DeleteCur();
    EXPECT_EQ(Order(lf), "AB");
    EXPECT_EQ(lf.cur, 0);
    lf.DeleteCur();
    lf.DeleteCur();
    EXPECT_EQ(lf.objs, 0);
    EXPECT_EQ(lf.cur, -1);
    EXPECT_EQ(lf.obj[0], nullptr);
}

TEST_F(LeFileTest, SelFstObjPicksTheNearestShape) {
    LeFile texts = Named("AB");
    texts.cur = 0;
    texts.SelFstObj();
    EXPECT_EQ(texts.cur, 0);
    LeFile mixed = Named("ABCD");
    mixed.obj[0]->type = SHAPE_OBJECT;
    mixed.obj[2]->type = SHAPE_OBJECT;
    mixed.SelFstObj();
    EXPECT_EQ(mixed.cur, 2);
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
