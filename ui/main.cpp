// Vexo Logo: the window program. CZebApp runs it from the loading screen to
// shutdown.

#include <QApplication>

#include "ui/CZebApp.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    vx::CZebApp zeb;
    return zeb.InitInstance(QCoreApplication::arguments());
}
