// CZebDlg: the starting document, and the dialogs of the File and Help menus
// (template library, export, brand pack, fonts, about box).

#include <QFileDialog>

#include "render/UserFonts.h"
#include "session/AddFonts.h"
#include "session/TemplateChoice.h"
#include "shell/Messages.h"
#include "ui/AboutDlg.h"
#include "ui/BrandPackRun.h"
#include "ui/CZebDlg.h"
#include "ui/ExportDlg.h"
#include "ui/TmpDlg.h"

namespace vx {

void CZebDlg::StartWith(const LeFile& doc, const std::string& name) {
    vx::StartWith(s, doc, name);
    SetCaption();
    RefreshAll();
}

void CZebDlg::NewFromTemplate() {
    TmpDlg dlg(this, nullptr, false);
    if (dlg.exec() != QDialog::Accepted || !dlg.result) return;
    ReplaceWithTemplate(s, *dlg.result);
    SetCaption();
    RefreshAll();
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
