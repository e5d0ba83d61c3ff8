#include "ui/FatalErrorDlg.h"

#include <QPlainTextEdit>
#include <QPushButton>

#include "shell/EndProgram.h"
#include "ui/DialogUnits.h"

namespace vx {

FatalErrorDlg::FatalErrorDlg(const std::string& report, QWidget* parent) : QDialog(parent) {
    setWindowTitle("Fatal Error");
    setFixedSize(DluX(*this, 236), DluY(*this, 172));
    QString text = QString::fromUtf8(report.c_str());
    text.replace("\r\n", "\n");
    m_text = new QPlainTextEdit(text, this);
    m_text->setGeometry(DluX(*this, 7), DluY(*this, 7), DluX(*this, 222), DluY(*this, 133));
    m_text->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    retry_ = new QPushButton("Retry", this);
    cancel_ = new QPushButton("Cancel", this);
    const int bw = DluX(*this, 50), bh = DluY(*this, 14), by = DluY(*this, 149);
    retry_->setGeometry(DluX(*this, 122), by, bw, bh);
    cancel_->setGeometry(DluX(*this, 179), by, bw, bh);
    retry_->setDefault(true);
    connect(retry_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
}

void ShowFatalErrorDlg(const std::string& report) {
    FatalErrorDlg dlg(report);
    if (dlg.exec() != QDialog::Accepted) EndProgram(0);
}

}  // namespace vx
