// CZebDlg: object commands, the "Current Object" list and the quick text field.

#include <QLineEdit>
#include <QMenu>

#include "session/EditMenu.h"
#include "shell/Checked.h"
#include "shell/Cp1252.h"
#include "ui/CZebDlg.h"

namespace vx {

namespace {

const char* const KIND_SUFFIX[] = {" (Text)", " (Image)", " (Custom)"};

}  // namespace

void CZebDlg::RunObjectCommand(bool (Session::*command)()) {
    if (s.bar_modal || !(s.*command)()) return;
    RefreshAll();
}

void CZebDlg::FillObjectMenu() {
    object_menu_->clear();
    for (int n = 0; n < lf.objs; ++n) {
        const LogoObject& o = *lf.obj[n];
        const std::string text = o.lt.str + KIND_SUFFIX[o.type];
        QAction* a =
            object_menu_->addAction(QString::fromStdString(Cp1252ToUtf8(text)).replace('&', "&&"));
        connect(a, &QAction::triggered, this, [this, n] {
            if (s.bar_modal || !s.SelectObject(n)) return;
            VX_CALL(UpdateOutWnd(), "mw->UpdateOutWnd()");
            VX_CALL(UpdateLibSel(), "mw->UpdateLibSel()");
        });
    }
}

void CZebDlg::QuickTextFocus() {
    if (s.QuickTextFocus() != Session::QuickFocus::NONE) RefreshAll();
}

void CZebDlg::QuickTextChanged(const QString& text) {
    const bool changed = s.QuickTextChanged(text.toStdString());
    // Show what was kept: characters the files cannot hold are left out.
    const bool editing = !s.bar_modal && HasCurrent(lf) && lf.obj[lf.cur]->type == TEXT_OBJECT;
    const QString kept = QString::fromStdString(Cp1252ToUtf8(s.QuickText()));
    if (editing && kept != text) {
        const int at = quick_->cursorPosition() - static_cast<int>(text.size() - kept.size());
        quick_->setText(kept);
        quick_->setCursorPosition(std::max(0, at));
    }
    if (!changed) return;
    VX_CALL(UpdateOutWnd(), "UpdateOutWnd()");
    VX_CALL(UpdateWndMenu(), "UpdateWndMenu()");
}

void CZebDlg::QuickTextLeft() {
    if (s.QuickTextLeft()) RefreshAll();
}

}  // namespace vx
