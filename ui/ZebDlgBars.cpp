// CZebDlg: the property bars' opening points and the bar protocol.

#include "session/EditMenu.h"
#include "shell/Checked.h"
#include "ui/CZebDlg.h"
#include "ui/ObjWnd.h"
#include "ui/OutWnd.h"

namespace vx {

void CZebDlg::SetBarFactory(BarKind kind, BarFactory factory) {
    bar_factories_[kind] = std::move(factory);
}

int CZebDlg::ObjectCmd(int k) {
    VX_CHECK(HasCurrent(lf), "cur!=-1");
    const BarRequest r = ObjectCmdBar(lf, k);
    if (r.kind != BarKind::NONE) VX_CALL(OpenBar(r.kind, -1, r.nc), "OpenBar(kind,-1,nc)");
    return 0;
}

int CZebDlg::EditText(bool new_obj) {
    return OpenBar(BarKind::TEXT, new_obj ? TEXT_OBJECT : -1);
}
int CZebDlg::EditImage(bool new_obj) {
    return OpenBar(BarKind::IMAGE, new_obj ? SHAPE_OBJECT : -1);
}
int CZebDlg::EditShape() {
    return OpenBar(BarKind::SHAPE, -1);
}
int CZebDlg::EditEffects() {
    return OpenBar(BarKind::EFFECTS, -1);
}
int CZebDlg::EditGradient() {
    return OpenBar(BarKind::GRADIENT, -1);
}
int CZebDlg::EditTransform() {
    return OpenBar(BarKind::TRANSFORM, -1);
}
int CZebDlg::EditColor(int nc) {
    return OpenBar(BarKind::COLOR, -1, nc);
}
int CZebDlg::EditLogo() {
    return OpenBar(BarKind::LOGO, -1);
}

int CZebDlg::OpenBar(BarKind kind, int type, int nc) {
    if (s.bar_modal) return 0;
    const auto factory = bar_factories_.find(kind);
    if (factory == bar_factories_.end()) {
        // No such bar yet: a new object is still added, as if its bar said Ok.
        if (type != -1 && PreBarModal(type)) VX_CALL(PostBarModal(true), "PostBarModal(TRUE)");
        return 0;
    }
    if (!PreBarModal(type)) return 0;
    bar_ = factory->second(*this, nc);
    return 0;
}

bool CZebDlg::PreBarModal(int type) {
    bar_.reset();  // the bar opened last has closed its window already
    if (!s.PreBarModal(type)) return false;
    VX_CALL(UpdateOutWnd(), "UpdateOutWnd()");
    VX_CALL(EnableMenu(false), "EnableMenu(FALSE)");
    out_->bar_modal = obj_->bar_modal = true;
    return true;
}

int CZebDlg::PostBarModal(bool ok) {
    s.PostBarModal(ok);
    out_->bar_modal = obj_->bar_modal = false;
    VX_CALL(EnableMenu(true), "EnableMenu(TRUE)");
    RefreshAll();
    return 0;
}

}  // namespace vx
