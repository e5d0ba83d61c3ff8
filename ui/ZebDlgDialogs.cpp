// CZebDlg: the starting document, and the dialogs of the File and Help menus
// (template library, export, about box).

#include "session/TemplateChoice.h"
#include "ui/AboutDlg.h"
#include "ui/CZebDlg.h"
#include "ui/ExportDlg.h"
#include "ui/ObjLib.h"
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

void CZebDlg::ExportLogoImage() {
    ExportDlg dlg(&lf, this);
    dlg.exec();
}

void CZebDlg::ShowAbout() {
    AboutDlg dlg(this);
    dlg.exec();
}

}  // namespace vx
