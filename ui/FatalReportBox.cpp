#include "ui/FatalReportBox.h"

#include <QMessageBox>

#include "shell/EndProgram.h"

namespace vx {

void ShowFatalReportBox(const std::string& report) {
    QMessageBox box(QMessageBox::Critical, "Fatal Error", QString::fromLocal8Bit(report.c_str()),
                    QMessageBox::Retry | QMessageBox::Cancel);
    if (box.exec() == QMessageBox::Cancel) EndProgram(0);
}

void ShowMessageBox(const std::string& text) {
    QMessageBox::information(nullptr, "Vexo Logo", QString::fromLocal8Bit(text.c_str()));
}

}  // namespace vx
