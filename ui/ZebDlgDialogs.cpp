// CZebDlg: the starting document, and the dialogs of the File and Help menus
// (template library, export, brand pack, fonts, about box).

#include <QFileDialog>
#include <QMessageBox>

#include "render/UserFonts.h"
#include "session/AddFonts.h"
#include "session/TemplateChoice.h"
#include "session/TemplateLibrary.h"
#include "session/TemplateSave.h"
#include "shell/Checked.h"
#include "shell/Messages.h"
#include "shell/ProgramFolder.h"
#include "ui/AboutDlg.h"
#include "ui/BrandPackRun.h"
#include "ui/CZebDlg.h"
#include "ui/ExportDlg.h"
#include "ui/ObjLib.h"
#include "ui/SaveTemplateDlg.h"
#include "ui/TmpDlg.h"

namespace vx {

void CZebDlg::StartWith(const LeFile& doc, const std::string& name) {
    vx::StartWith(s, doc, name);
    SetCaption();
    RefreshAll();
}

void CZebDlg::NewFromTemplate() {
    TmpDlg dlg(this, nullptr, false);
    // The library grid rests while the template window runs, cancelled or not.
    lib_->setEnabled(false);
    const bool picked = dlg.exec() == QDialog::Accepted && dlg.result;
    lib_->setEnabled(!s.bar_modal);
    if (!picked) return;
    ReplaceWithTemplate(s, *dlg.result);
    SetCaption();
    RefreshAll();
}

void CZebDlg::SaveAsTemplate() {
    SaveTemplateDlg dlg(this);
    if (dlg.exec() != QDialog::Accepted) return;
    // Names are file names: UTF-8, as the file system takes them.
    const std::string name = dlg.name().toStdString();
    if (const std::string problem = TemplateNameProblem(name); !problem.empty()) {
        ShowMessage(problem);
        return;
    }
    const std::string program = ProgramPath("\\templates");
    const std::string folder = TemplateSaveFolder(program, UserTemplateFolder());
    if (folder.empty()) {
        ShowMessage(MSG_CANNOT_SAVE + program);
        return;
    }
    if (TemplateExists(folder, name) &&
        QMessageBox::question(
            this, "Save Project As Template",
            "A template named \"" + dlg.name() + "\" already exists. Do you want to replace it?") !=
            QMessageBox::Yes)
        return;
    if (const Result r = SaveTemplate(lf, folder, name); !r) {
        ShowMessage(r.message());
        return;
    }
    VX_CALL(ReloadTmps(), "TmpDlg::ReloadTmps(TRUE)");
}

void CZebDlg::ExportLogoImage() {
    ExportDlg dlg(&lf, this);
    dlg.exec();
}

void CZebDlg::ExportBrandPack() {
    const QString folder = QFileDialog::getExistingDirectory(this, "Export Brand Pack Into");
    if (folder.isEmpty()) return;
    BrandPackRun run(this, lf);
    run.Write(folder);
}

// The new faces are added to the loaded ones at once: the text bar lists them
// the next time it opens.
void CZebDlg::AddFonts() {
    const QStringList picked = QFileDialog::getOpenFileNames(
        this, "Add Fonts", {}, "TrueType and OpenType Fonts (*.ttf *.otf *.TTF *.OTF)");
    if (picked.isEmpty()) return;
    std::vector<std::string> paths;
    for (const QString& path : picked) paths.push_back(path.toLocal8Bit().toStdString());
    ShowMessage(AddFontFiles(paths, UserFontFolder()).Text());
}

void CZebDlg::ShowAbout() {
    AboutDlg dlg(this);
    dlg.exec();
}

}  // namespace vx
