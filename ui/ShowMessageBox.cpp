#include "ui/ShowMessageBox.h"

#include <QMessageBox>

namespace vx {

void ShowMessageBox(const std::string& text) {
    QMessageBox::information(nullptr, "Vexo Logo", QString::fromLocal8Bit(text.c_str()));
}

}  // namespace vx
