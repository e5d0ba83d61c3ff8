// The protocol every bar follows: live edits, Ok as one undo step, Cancel
// (Esc, close box) back to the state before the bar, and one bar at a time.

#include <QCloseEvent>
#include <QPushButton>

#include "BarFixture.h"
#include "session/CommandIds.h"
#include "ui/bars/EffectsBar.h"
#include "ui/bars/ImageBar.h"
#include "ui/bars/Imopt.h"
#include "ui/bars/TextBar.h"
#include "ui/bars/TransformBar.h"

namespace vx::test {
namespace {

TEST_F(BarTest, CancelRightAfterOpeningChangesNothingAndRedoKeepsItUnchanged) {
    const LeFile before = w->lf;
    const int undoes = w->utrack.undoes;
    w->EditEffects();
    Key(w->bar(), Qt::Key_Escape);
    EXPECT_TRUE(SameStoredDocument(w->lf, before));
    EXPECT_EQ(w->utrack.undoes, undoes);
    EXPECT_EQ(w->utrack.redoes, 1);
    w->OnCommand(ID_EDIT_REDO);
    EXPECT_TRUE(SameStoredDocument(w->lf, before));
}

TEST_F(BarTest, CancelAfterSeveralChangesRestoresAndRedoBringsThemBackAsOneStep) {
    const LeFile before = w->lf;
    w->EditEffects();
    auto* bar = Bar<EffectsBar>();
    bar->outline_check()->click();
    Spin(bar->strength(), 1);
    DragSliderToEnd(bar->sharpness(), true);
    EXPECT_EQ(Cur().has_outline, 1);  // live
    EXPECT_EQ(Cur().strength, 2);
    bar->cancel_button()->click();
    EXPECT_TRUE(SameStoredDocument(w->lf, before));
    w->OnCommand(ID_EDIT_REDO);
    EXPECT_EQ(Cur().has_outline, 1);
    EXPECT_EQ(Cur().strength, 2);
    EXPECT_FLOAT_EQ(Cur().outline_sharpness, 1.0f);
    w->OnCommand(ID_EDIT_UNDO);
    EXPECT_TRUE(SameStoredDocument(w->lf, before));
}

TEST_F(BarTest, OkWithoutChangeStillAddsOneStepAndEnterActsAsOk) {
    const int undoes = w->utrack.undoes;
    w->EditTransform();
    Key(w->bar(), Qt::Key_Return);
    EXPECT_FALSE(w->bar()->isVisible());
    EXPECT_EQ(w->utrack.undoes, undoes + 1);
    EXPECT_FALSE(w->s.bar_modal);
}

TEST_F(BarTest, TheCloseBoxCancels) {
    const LeFile before = w->lf;
    w->EditTransform();
    Bar<TransformBar>()->transform_check()->click();
    w->bar()->close();
    EXPECT_TRUE(SameStoredDocument(w->lf, before));
    EXPECT_FALSE(w->s.bar_modal);
}

// The menus and buttons are disabled while a bar is up; a command that still
// arrives leaves the open bar and its changes alone.
TEST_F(BarTest, ASecondOpeningKeepsTheFirstBarAndItsChanges) {
    w->EditTransform();
    QWidget* first = w->bar();
    Bar<TransformBar>()->transform_check()->click();
    w->EditEffects();
    EXPECT_EQ(w->bar(), first);
    EXPECT_EQ(Cur().has_transform, 1);
    Key(first, Qt::Key_Return);
    EXPECT_EQ(Cur().has_transform, 1);
}

TEST_F(BarTest, CancelOfNewTextRemovesTheNewObject) {
    const int objs = w->lf.objs;
    w->OnCommand(ID_OBJECT_NEWTEXT);
    auto* bar = Bar<TextBar>();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(w->lf.objs, objs + 1);
    EXPECT_EQ(bar->windowTitle(), "Basic Text Options: 'New Text'");
    Key(bar, Qt::Key_Escape);
    EXPECT_EQ(w->lf.objs, objs);
}

TEST_F(BarTest, NewImageOpensTheImageObjectBarAndTheWindowMenuOpensEachBar) {
    const int objs = w->lf.objs;
    w->OnCommand(ID_OBJECT_NEWIMAGE);
    ASSERT_NE(Bar<Imopt>(), nullptr);
    EXPECT_EQ(w->lf.obj[w->lf.cur]->type, SHAPE_OBJECT);
    Key(w->bar(), Qt::Key_Escape);
    EXPECT_EQ(w->lf.objs, objs);
    w->OnCommand(40000 + 10 * 1 + 1);  // "Shape: " of object 1
    EXPECT_EQ(w->lf.cur, 1);
    EXPECT_NE(Bar<ImageBar>(), nullptr);
    Key(w->bar(), Qt::Key_Return);
    w->OnCommand(40000 + 3);  // "Transform: " of object 0
    EXPECT_EQ(w->lf.cur, 0);
    EXPECT_NE(Bar<TransformBar>(), nullptr);
}

}  // namespace
}  // namespace vx::test
