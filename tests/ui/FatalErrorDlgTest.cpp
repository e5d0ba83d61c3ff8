// The "Fatal Error" dialog as the fatal report's handler: Retry carries on
// after the failed check, Cancel ends the program with exit code 0.

#include <gtest/gtest.h>

#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include "shell/Checked.h"
#include "shell/FatalReport.h"
#include "ui/FatalErrorDlg.h"

namespace vx::test {
namespace {

// Presses `button` of the dialog once it is up; records what it showed.
void AnswerWith(QPushButton* (FatalErrorDlg::*button)() const, QString* shown) {
    QTimer::singleShot(0, [button, shown] {
        auto* dlg = qobject_cast<FatalErrorDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(dlg, nullptr);
        *shown = dlg->text()->toPlainText();
        EXPECT_FALSE(dlg->text()->isReadOnly());
        EXPECT_TRUE((dlg->retry())->isDefault());
        (dlg->*button)()->click();
    });
}

int Failing(bool* after) {
    VX_CHECK(false, "objs>1");
    *after = true;  // Retry carries on with the next statement
    return 0;
}

TEST(FatalErrorDlg, RetryCarriesOnAtTheSameDepth) {
    const FatalHandler old = SetFatalHandler(ShowFatalErrorDlg);
    const int depth = traceStack.depth;
    QString shown;
    bool after = false;
    AnswerWith(&FatalErrorDlg::retry, &shown);
    VX_CALL(Failing(&after), "Failing(&after)");
    SetFatalHandler(old);
    EXPECT_TRUE(after);
    EXPECT_EQ(traceStack.depth, depth);
    EXPECT_TRUE(
        shown.startsWith("Error sequence: Failing(&after) -> objs>1\n\nError in line: objs>1"))
        << shown.toStdString();
    EXPECT_FALSE(shown.contains('\r'));
}

TEST(FatalErrorDlgDeathTest, CancelEndsTheProgramWithExitCodeZero) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            SetFatalHandler(ShowFatalErrorDlg);
            QString shown;
            AnswerWith(&FatalErrorDlg::cancel, &shown);
            VX_CHECK(false, "cur!=-1");
            std::_Exit(3);  // not reached
        },
        ::testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace vx::test
