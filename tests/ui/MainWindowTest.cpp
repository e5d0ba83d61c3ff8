#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>

#include "WindowFixture.h"
#include "session/CommandIds.h"
#include "support/TestFonts.h"
#include "ui/ObjLib.h"
#include "ui/OutWnd.h"
#include "ui/StyleBtn.h"
#include "ui/controls/LeButton.h"

namespace vx::test {
namespace {

LeFile TextThenShape() {
    return Holding(TextObject("Title", SANS, 40, 0, -30), ShapeObject(40, 60, 60, 0, 30));
}

// What the field keeps of the typing is the session's rule; the field shows it.
TEST_F(WindowTest, TheQuickTextFieldCreatesShowsAndRemovesItsTextObject) {
    QLineEdit* field = w->quick_text();
    field->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return field->hasFocus(); }));
    ASSERT_EQ(w->lf.objs, 1);
    EXPECT_EQ(w->lf.obj[0]->type, TEXT_OBJECT);
    EXPECT_EQ(field->maxLength(), 499);
    for (const char* typed : {" ", "\xC3\xA9", "\xE2\x98\x83"}) {  // é kept, snowman not
        QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString::fromUtf8(typed));
        QApplication::sendEvent(field, &key);
    }
    EXPECT_EQ(w->lf.obj[0]->lt.str, "New Text \xE9");
    EXPECT_EQ(field->text(), QString::fromUtf8("New Text \xC3\xA9"));

    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    EXPECT_EQ(w->lf.obj[0]->lt.str, "");
    w->out_wnd()->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !field->hasFocus(); }));
    EXPECT_EQ(w->lf.objs, 0);
}

TEST_F(WindowTest, AcceleratorsWorkWithFocusInTheQuickTextField) {
    Show(TextThenShape());
    w->lf.cur = 0;
    w->UpdateEditMenu();
    QLineEdit* field = w->quick_text();
    field->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return field->hasFocus(); }));
    QTest::keyClick(field, Qt::Key_C, Qt::ControlModifier);  // Bring Closer, not copy
    EXPECT_EQ(w->lf.cur, 1);
    EXPECT_EQ(w->lf.obj[1]->type, TEXT_OBJECT);
    QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier);  // the window's Undo
    EXPECT_EQ(w->lf.obj[0]->type, TEXT_OBJECT);
    QTest::keyClick(field, Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(w->lf.objs, 3);
}

TEST_F(WindowTest, MenusAndButtonsFollowTheDocumentAndTheBarState) {
    Show(TextThenShape());
    const auto enabled = [&](int id) { return w->ActionsOf(id).front()->isEnabled(); };
    EXPECT_TRUE(enabled(IDM_FARTHER));
    EXPECT_FALSE(enabled(IDM_CLOSER));
    EXPECT_EQ(w->nav(1)->caption(), "Shape...");
    EXPECT_FALSE(w->prev_button()->isEnabled());
    // What an open bar rests: the menus, the buttons, the grid and the style row.
    ASSERT_FALSE(w->style_buttons().empty());
    const auto offered = [&] {
        int on = enabled(IDM_FARTHER) + w->next_button()->isEnabled() + w->obj_lib()->isEnabled();
        for (const QWidget* b : w->style_buttons()) on += b->isEnabled();
        return on;
    };
    const int all = 3 + static_cast<int>(w->style_buttons().size());
    EXPECT_EQ(offered(), all);
    OpenBar();
    EXPECT_EQ(offered(), 0);
    w->PostBarModal(true);
    EXPECT_EQ(offered(), all);
    // Only commands whose bar or dialog exists are offered.
    EXPECT_TRUE(w->nav(2)->isEnabled());  // "Effects..." of a shape
    EXPECT_TRUE(w->nav(0)->isEnabled());  // "Image...": every bar exists
    for (const int id :
         {ID_FILE_EXPORT, ID_FILE_BRAND_PACK, ID_FILE_ADD_FONTS, ID_FILE_SAVE_TEMPLATE})
        EXPECT_TRUE(enabled(id)) << id;
}

}  // namespace
}  // namespace vx::test
