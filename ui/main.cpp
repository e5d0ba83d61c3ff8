// Vexo Logo: finds the program folder, loads the font libraries, opens the
// project named on the command line if any, and runs the main window.

#include <QApplication>
#include <QScreen>

#include "render/FtText.h"
#include "shell/Checked.h"
#include "shell/FatalReport.h"
#include "shell/Messages.h"
#include "shell/ProgramFolder.h"
#include "ui/CZebDlg.h"
#include "ui/FatalReportBox.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName("Vexo Logo");
    QCoreApplication::setApplicationName("Vexo Logo");
    vx::SetFatalHandler(vx::ShowFatalReportBox);
    vx::SetMessageHandler(vx::ShowMessageBox);
    VX_CALL(vx::InitProgramFolder(), "InitProgramFolder()");
    VX_CALL(vx::FtText::InitFt(), "FtText::InitFt()");
    int result = 0;
    {
        vx::CZebDlg dlg;
        const QStringList args = QCoreApplication::arguments();
        if (args.size() > 1) dlg.OpenProject(args[1]);
        // Without a window manager "maximized" means nothing: start screen-sized.
        dlg.resize(dlg.screen()->availableGeometry().size());
        dlg.showMaximized();
        result = QApplication::exec();
    }
    VX_CALL(vx::FtText::FreeFt(), "FtText::FreeFt()");
    return result;
}
