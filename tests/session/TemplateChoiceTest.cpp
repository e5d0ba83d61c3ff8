// The template window's rules: pages of four, the preview fills, the loading
// screen's least duration, and what a choice does to the main window's document.

#include <gtest/gtest.h>

#include "session/Session.h"
#include "session/TemplateChoice.h"
#include "support/ObjectKinds.h"
#include "support/Recorders.h"

namespace vx {
namespace {

TEST(TemplatePages, NineTemplatesMakePagesAtZeroFourAndEight) {
    struct Expect {
        int ctm, shown;
        bool prev, next;
    };
    TemplatePage page{0, 9};
    for (const Expect e : {Expect{0, 4, false, true}, {4, 4, true, true}, {8, 1, true, false}}) {
        EXPECT_EQ(page.ctm, e.ctm);
        int shown = 0;
        for (int i = 0; i < TEMPLATES_PER_PAGE; ++i) shown += page.Shown(i);
        EXPECT_EQ(shown, e.shown) << e.ctm;
        EXPECT_EQ(page.CanPrev(), e.prev) << e.ctm;
        EXPECT_EQ(page.CanNext(), e.next) << e.ctm;
        page.Next();
    }
    EXPECT_EQ(page.ctm, 8);  // Next on the last page stays
    page.Prev();
    EXPECT_EQ(page.Template(1), 5);  // second preview of the page at 4
    page.Prev();
    page.Prev();
    EXPECT_EQ(page.ctm, 0);

    const TemplatePage empty{0, 0};
    EXPECT_FALSE(empty.Shown(0) || empty.CanPrev() || empty.CanNext());
}

TEST(TemplatePages, HighlightAddsTenToEachChannelUpTo255) {
    EXPECT_EQ(PreviewHighlight(0x102030), 0x1A2A3Au);
    EXPECT_EQ(PreviewHighlight(0xF8FFF5), 0xFFFFFFu);
    EXPECT_EQ(PreviewFill({0, 0, 240}), 0xFFFFFFu);
    EXPECT_EQ(PreviewFill({0, 240, 120}), 0xFF0000u);
}

TEST(LoadingScreen, TheWaitIsOverAfter5001MsAlsoAcrossTheClockWrap) {
    EXPECT_FALSE(LoadingWaitOver(1000, 1000 + 5000, LOADING_MIN_MS));
    EXPECT_TRUE(LoadingWaitOver(1000, 1000 + 5001, LOADING_MIN_MS));
    const std::uint32_t late = 0xFFFFF000u;
    EXPECT_FALSE(LoadingWaitOver(late, late + 5000u, LOADING_MIN_MS));
    EXPECT_TRUE(LoadingWaitOver(late, late + 5001u, LOADING_MIN_MS));
}

class TemplateChoice : public test::RecordingTest {
protected:
    void SetUp() override {
        // text, shape, shape, text: the topmost shape is index 2
        test::AddObjectsOfKinds(tmpl, {TEXT_OBJECT, SHAPE_OBJECT, SHAPE_OBJECT, TEXT_OBJECT});
        tmpl.cur = 0;
        tmpl.bgc = {10, 20, 30};
        test::AddObjectsOfKinds(s.lf, {TEXT_OBJECT});
        s.doc_name = "/home/me/mine.zeb";
        s.Track();
    }
    LeFile tmpl;
    Session s;
};

TEST_F(TemplateChoice, AtStartTheChoiceIsTheFirstUndoStepWithItsTopmostShapeSelected) {
    StartWith(s, tmpl, "/home/me/project.zeb");
    EXPECT_EQ(s.lf.objs, 4);
    EXPECT_EQ(s.lf.cur, 2);
    EXPECT_EQ(s.lf.bgc.h, 10);
    EXPECT_EQ(s.doc_name, "/home/me/project.zeb");
    EXPECT_FALSE(s.Undo());
    StartWith(s, tmpl, "");
    EXPECT_EQ(s.Caption(), "Vexo Logo: New Logo Project");
    EXPECT_EQ(tmpl.cur, 0);  // the store's document is untouched
}

TEST_F(TemplateChoice, FromTheMenuTheTemplateIsAnUnnamedProjectAndOneUndoStep) {
    ReplaceWithTemplate(s, tmpl);
    EXPECT_EQ(s.lf.objs, 4);
    EXPECT_EQ(s.lf.cur, 2);
    EXPECT_TRUE(s.doc_name.empty());
    ASSERT_TRUE(s.Undo());
    EXPECT_EQ(s.lf.objs, 1);
}

}  // namespace
}  // namespace vx
