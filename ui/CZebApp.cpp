#include "ui/CZebApp.h"

#include <QApplication>
#include <QFileInfo>
#include <QIcon>
#include <QScreen>
#include <QStandardPaths>

#include "render/FtText.h"
#include "session/TemplateLibrary.h"
#include "shell/Checked.h"
#include "shell/FatalReport.h"
#include "shell/Messages.h"
#include "shell/ProgramFolder.h"
#include "ui/CZebDlg.h"  // also the session, with Qt's `slots` macro kept apart
#include "ui/FatalErrorDlg.h"
#include "ui/ShowMessageBox.h"
#include "ui/TmpDlg.h"

namespace vx {

void CZebApp::ParseCommandLine(const QStringList& args) {
    preset_.reset();
    preset_name_.clear();
    if (args.size() < 2) return;
    const QString path = QFileInfo(args[1]).absoluteFilePath();
    // The main window's own rules: a file that ends early is shown as an
    // unnamed project, so that Save cannot overwrite it with what was read.
    Session read;
    if (!read.Load(path.toLocal8Bit().toStdString())) return;
    preset_ = std::make_unique<LeFile>(read.lf);
    preset_name_ = read.doc_name;
}

std::unique_ptr<TmpDlg> CZebApp::CreateTmpDlg(bool loading) const {
    return std::make_unique<TmpDlg>(nullptr, preset_.get(), loading);
}

void CZebApp::StartDocument(CZebDlg& dlg, const TmpDlg& tmp) const {
    if (!tmp.result) return;  // a blank project, as the window starts
    // A template keeps no file name: Save must not write it over the project
    // that was named on the command line.
    dlg.StartWith(*tmp.result, tmp.result == preset_.get() ? preset_name_ : std::string());
}

int CZebApp::InitInstance(const QStringList& args) {
    QCoreApplication::setOrganizationName("Vexo Logo");
    QCoreApplication::setApplicationName("Vexo Logo");
    // The installed icon (desktop/vexologo.svg), where the desktop's theme has it.
    QApplication::setWindowIcon(QIcon::fromTheme("vexologo"));
    SetFatalHandler(ShowFatalErrorDlg);
    SetMessageHandler(ShowMessageBox);
    VX_CALL(InitProgramFolder(), "InitProgramFolder()");
    // Templates the user saves where the program folder cannot be written.
    SetUserTemplateFolder(
        (QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + "/templates")
            .toStdString());
    ParseCommandLine(args);
    int result = 0;
    {
        // Closing the template window must not end the program before the
        // main window is up.
        QApplication::setQuitOnLastWindowClosed(false);
        std::unique_ptr<TmpDlg> tmp = CreateTmpDlg(true);
        tmp->exec();
        CZebDlg ldlg;
        StartDocument(ldlg, *tmp);
        tmp.reset();
        // Without a window manager "maximized" means nothing: start screen-sized.
        ldlg.resize(ldlg.screen()->availableGeometry().size());
        ldlg.showMaximized();
        QApplication::setQuitOnLastWindowClosed(true);
        result = QApplication::exec();
    }
    VX_CALL(FtText::FreeFt(), "FtText::FreeFt()");
    VX_CALL(FreeTmps(), "TmpDlg::FreeTmps()");
    return result;
}

}  // namespace vx
