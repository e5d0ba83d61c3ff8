#pragma once

// The "Fatal Error" dialog: the fatal report in an editable text box (the user
// may mark and copy it), "Retry" to carry on after the failed check and
// "Cancel" to end the program at once. ShowFatalErrorDlg is the window
// program's fatal report handler.

#include <QDialog>
#include <string>

class QPlainTextEdit;
class QPushButton;

namespace vx {

class FatalErrorDlg : public QDialog {
    Q_OBJECT
public:
    explicit FatalErrorDlg(const std::string& report, QWidget* parent = nullptr);

    QPlainTextEdit* text() const { return m_text; }
    QPushButton* retry() const { return retry_; }
    QPushButton* cancel() const { return cancel_; }

private:
    QPlainTextEdit* m_text = nullptr;
    QPushButton* retry_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

// Shows the report modally, without a parent. Retry returns; Cancel, Escape
// and the close box end the process with exit code 0, nothing saved.
void ShowFatalErrorDlg(const std::string& report);

}  // namespace vx
