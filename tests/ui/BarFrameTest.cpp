// The protocol every bar follows: each opens from its command and draws, edits
// are live, Ok is one undo step, Cancel (Esc, its button, the close box) goes
// back to the state before the bar, and one bar is open at a time. With
// VX_SHOT_DIR set, every bar is also saved there as a PNG to look at.

#include <QDir>
#include <QImage>

#include "BarFixture.h"

namespace vx::test {
namespace {

struct Opening {
    const char* name;
    bool shape;    // on the shape object
    bool effects;  // with gradient, outline and shadow on
    int property;  // the object's property bar k, or -1 for `command`
    int command;
};

TEST_F(BarTest, EveryBarOpensFromItsCommandAndDraws) {
    const Opening openings[] = {
        {"text", false, false, 0, 0},
        {"effects", false, false, 1, 0},
        {"gradient", false, false, 2, 0},
        {"transform", false, false, 3, 0},
        {"colors", false, false, 4, 0},
        {"image_object", true, false, 0, 0},
        {"image", true, false, 1, 0},
        {"logo", false, false, -1, ID_WINDOW_LOGOIMAGE},
        {"background", false, false, -1, IDM_EDIT_BACKGROUDCOLOR},
        {"gradient_on", false, true, 2, 0},
        {"effects_on", false, true, 1, 0},
    };
    const QString dir = qEnvironmentVariable("VX_SHOT_DIR");
    for (const Opening& o : openings) {
        if (o.shape) SelectShape();
        if (o.effects) Cur().grad = Cur().has_outline = Cur().has_shadow = 1;
        if (o.property >= 0) {
            w->ObjectCmd(o.property);
        } else {
            w->OnCommand(o.command);
        }
        QWidget* bar = w->bar();
        ASSERT_NE(bar, nullptr) << o.name;
        EXPECT_TRUE(bar->isVisible()) << o.name;
        const QImage shot = bar->grab().toImage();
        EXPECT_GT(shot.width(), 100) << o.name;
        if (!dir.isEmpty()) {
            shot.save(QDir(dir).filePath(QString(o.name) + ".png"));
            w->grab().toImage().save(QDir(dir).filePath(QString(o.name) + "_main.png"));
        }
        Key(bar, Qt::Key_Escape);
        EXPECT_FALSE(bar->isVisible()) << o.name;
        EXPECT_FALSE(w->s.bar_modal) << o.name;
    }
}

// Each way out of the effects bar, with or without changes first. Enter is Ok,
// one undo step even without a change. A cancel leaves the document as before,
// one redo step holds the changes, and its undo goes back again.
TEST_F(BarTest, EveryWayOutEndsTheBarAndCancelsRestoreWithTheChangesAsOneRedoStep) {
    struct Leaving {
        const char* how;
        bool change, ok;
        std::function<void(EffectsBar*)> leave;
    };
    const Leaving cases[] = {
        {"Enter at once", false, true, [](EffectsBar* b) { Key(b, Qt::Key_Return); }},
        {"Escape at once", false, false, [](EffectsBar* b) { Key(b, Qt::Key_Escape); }},
        {"Cancel button", true, false, [](EffectsBar* b) { b->cancel_button()->click(); }},
        {"close box", true, false, [](EffectsBar* b) { b->close(); }},
    };
    for (const Leaving& c : cases) {
        const LeFile before = w->lf;
        const int undoes = w->utrack.undoes;
        w->EditEffects();
        auto* bar = Bar<EffectsBar>();
        if (c.change) {
            bar->outline_check()->click();
            Spin(bar->strength(), 1);
            DragSliderToEnd(bar->sharpness(), true);
            EXPECT_EQ(Cur().has_outline, 1) << c.how << ": live";
        }
        c.leave(bar);
        EXPECT_FALSE(bar->isVisible()) << c.how;
        EXPECT_FALSE(w->s.bar_modal) << c.how;
        EXPECT_TRUE(SameStoredDocument(w->lf, before)) << c.how;
        EXPECT_EQ(w->utrack.undoes, undoes + c.ok) << c.how;
        EXPECT_EQ(w->utrack.redoes, c.ok ? 0 : 1) << c.how;
        if (c.ok) continue;
        w->OnCommand(ID_EDIT_REDO);
        const LogoParams& old = before.obj[0]->lt;
        EXPECT_EQ(Cur().has_outline, c.change ? 1 : old.has_outline) << c.how;
        EXPECT_EQ(Cur().strength, c.change ? old.strength + 1 : old.strength) << c.how;
        EXPECT_EQ(Cur().outline_sharpness, c.change ? 1.0f : old.outline_sharpness) << c.how;
        w->OnCommand(ID_EDIT_UNDO);
        EXPECT_TRUE(SameStoredDocument(w->lf, before)) << c.how;
    }
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

TEST_F(BarTest, CancellingTheBarOfANewObjectRemovesIt) {
    const int objs = w->lf.objs;
    w->OnCommand(ID_OBJECT_NEWTEXT);
    ASSERT_NE(Bar<TextBar>(), nullptr);
    EXPECT_EQ(w->lf.objs, objs + 1);
    EXPECT_EQ(w->bar()->windowTitle(), "Basic Text Options: 'New Text'");
    Key(w->bar(), Qt::Key_Escape);
    EXPECT_EQ(w->lf.objs, objs);
    w->OnCommand(ID_OBJECT_NEWIMAGE);
    ASSERT_NE(Bar<Imopt>(), nullptr);
    EXPECT_EQ(w->lf.obj[w->lf.cur]->type, SHAPE_OBJECT);
    Key(w->bar(), Qt::Key_Escape);
    EXPECT_EQ(w->lf.objs, objs);
}

TEST_F(BarTest, TheWindowMenuOpensTheBarOfItsObject) {
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
