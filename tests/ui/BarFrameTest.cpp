// The protocol every bar follows: each opens from its command and draws, edits
// are live, Ok is one undo step, Cancel (Esc, its button, the close box) goes
// back to the state before the bar, and one bar is open at a time. With
// VX_SHOT_DIR set, every bar is also saved there as a PNG to look at.

#include <QDir>
#include <QImage>

#include "BarFixture.h"

namespace vx::test {
namespace {

using Open = std::function<void(CZebDlg&)>;
Open Property(int k) {
    return [k](CZebDlg& w) { w.ObjectCmd(k); };
}
Open Command(int id) {
    return [id](CZebDlg& w) { w.OnCommand(id); };
}

// Every bar from its command, on the object current before, with the object
// whose bar it is current after: the current object's property bars, the
// window menu's entries (40000 + object * 10 + property) and the document's bars.
TEST_F(BarTest, EveryBarOpensFromItsCommandAndDraws) {
    struct Opening {
        const char* name;
        int cur;
        Open open;
        int after;
        bool effects;  // with gradient, outline and shadow on
        const char* bar;
    };
    const Opening openings[] = {
        {"text", 0, Property(0), 0, false, "vx::TextBar"},
        {"effects", 0, Property(1), 0, false, "vx::EffectsBar"},
        {"gradient", 0, Property(2), 0, false, "vx::GradientBar"},
        {"transform", 0, Property(3), 0, false, "vx::TransformBar"},
        {"colors", 0, Property(4), 0, false, "vx::ColorBar"},
        {"image_object", 1, Property(0), 1, false, "vx::Imopt"},
        {"image", 1, Property(1), 1, false, "vx::ImageBar"},
        {"menu_image", 0, Command(ID_WINDOW_FIRST + 10 * 1 + 1), 1, false, "vx::ImageBar"},
        {"menu_transform", 1, Command(ID_WINDOW_FIRST + 3), 0, false, "vx::TransformBar"},
        {"logo", 1, Command(ID_WINDOW_LOGOIMAGE), 1, false, "vx::LogoBar"},
        {"background", 1, Command(IDM_EDIT_BACKGROUDCOLOR), 1, false, "vx::ColorBar"},
        {"gradient_on", 0, Property(2), 0, true, "vx::GradientBar"},
        {"effects_on", 0, Property(1), 0, true, "vx::EffectsBar"},
    };
    const QString dir = qEnvironmentVariable("VX_SHOT_DIR");
    for (const Opening& o : openings) {
        SCOPED_TRACE(o.name);
        w->lf.cur = o.cur;
        w->UpdateOutWnd();
        if (o.effects) Cur().grad = Cur().has_outline = Cur().has_shadow = 1;
        o.open(*w);
        QWidget* bar = w->bar();
        ASSERT_NE(bar, nullptr);
        EXPECT_STREQ(bar->metaObject()->className(), o.bar);
        EXPECT_EQ(w->lf.cur, o.after);
        EXPECT_TRUE(bar->isVisible());
        const QImage shot = bar->grab().toImage();
        EXPECT_GT(shot.width(), 100);
        if (!dir.isEmpty()) {
            shot.save(QDir(dir).filePath(QString(o.name) + ".png"));
            w->grab().toImage().save(QDir(dir).filePath(QString(o.name) + "_main.png"));
        }
        Key(bar, Qt::Key_Escape);
        EXPECT_FALSE(bar->isVisible());
        EXPECT_FALSE(w->s.bar_modal);
    }
}

// Each way out of the effects bar, with or without changes first. Enter is Ok,
// one undo step even without a change. A cancel leaves the document as before
// with one redo step; what the redo brings back is the session's rule.
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

}  // namespace
}  // namespace vx::test
