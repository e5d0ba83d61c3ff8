// CZebDlg: keeping the views, menus, buttons and the quick text field in step
// with the document.

#include <QAction>
#include <QLineEdit>

#include "render/ShapeIndex.h"
#include "session/CommandIds.h"
#include "session/EditMenu.h"
#include "shell/Checked.h"
#include "shell/Cp1252.h"
#include "ui/CZebDlg.h"
#include "ui/ObjLib.h"
#include "ui/ObjWnd.h"
#include "ui/OutWnd.h"
#include "ui/StyleBtn.h"
#include "ui/controls/LeButton.h"
#include "ui/controls/SlBtn.h"
#include "ui/controls/ZebSlider.h"

namespace vx {

namespace {

constexpr int OUT_WND_MRG = 20;

}  // namespace

int CZebDlg::UpdateOutWnd(LeFile* le) {
    if (!initialized_) return 0;
    if (!le) {
        le = &lf;
        VX_CALL(UpdateEditMenu(), "UpdateEditMenu()");
    }
    VX_CALL(
        le->Update(out_->width() - OUT_WND_MRG, out_->height() - OUT_WND_MRG, obj_->width(),
                   obj_->height()),
        "le->Update(owr.Width()-OUT_WND_MRG,owr.Height()-OUT_WND_MRG,cwr.Width(),cwr.Height())");
    out_->le = le;
    obj_->le = le;
    out_->update();
    obj_->update();
    return 0;
}

int CZebDlg::UpdateEditMenu() {
    const EditMenuState m = ComputeEditMenu(lf, utrack);
    const bool open = !s.bar_modal;
    // Commands without a rule of their own follow the bar state alone.
    for (const auto& [id, a] : actions_) a->setEnabled(open);
    const std::pair<int, bool> rules[] = {
        {ID_EDIT_UNDO, m.undo},
        {ID_EDIT_REDO, m.redo},
        {IDM_EDIT_BASICCOLOR, m.solid_color},
        {ID_EDIT_GRADIENTCOLOR1, m.grad_colors},
        {ID_EDIT_GRADIENTCOLOR2, m.grad_colors},
        {ID_EDIT_OUTLINECOLOR, m.outline_color},
        {ID_EDIT_SHADOWCOLOR, m.shadow_color},
        {IDM_EDIT_BACKGROUDCOLOR, m.background_color},
        {IDM_DELETECURRENT, m.remove},
        {ID_OBJECT_DUPLICATEOBJECT, m.duplicate},
        {IDM_CLOSER, m.closer},
        {ID_OBJECT_BRINGTOFRONT, m.closer},
        {IDM_FARTHER, m.farther},
        {ID_OBJECT_SENDTOBACK, m.farther},
        {ID_OBJECT_NEWTEXT, m.add},
        {ID_OBJECT_NEWIMAGE, m.add},
        {ID_FILE_IMPORT, m.add},
    };
    // Commands whose dialog or bar is not in this build stay greyed.
    const bool colors = HasBar(BarKind::COLOR);
    const std::pair<int, bool> available[] = {
        {ID_FILE_EXPORT, true},
        {ID_FILE_BRAND_PACK, true},
        {ID_FILE_ADD_FONTS, true},
        {ID_FILE_TEMPLATE, true},
        {ID_FILE_SAVE_TEMPLATE, true},
        {ID_HELP_ABOUT, true},
        {ID_WINDOW_LOGOIMAGE, HasBar(BarKind::LOGO)},
    };
    for (const auto& [id, on] : rules) {
        const bool color_item =
            id >= IDM_EDIT_BASICCOLOR && id <= ID_EDIT_GRADIENTCOLOR2;  // the six
        for (QAction* a : ActionsOf(id)) a->setEnabled(open && on && (colors || !color_item));
    }
    for (const auto& [id, on] : available)
        for (QAction* a : ActionsOf(id)) a->setEnabled(open && on);
    if (!open) return 0;  // the buttons stay disabled while a bar is open
    next_->setEnabled(m.next);
    prev_->setEnabled(m.prev);
    cur_obj_->setEnabled(m.current_object);
    for (std::size_t k = 0; k < nav_.size(); ++k) {
        const BarKind bar = ObjectCmdBar(lf, static_cast<int>(k)).kind;
        nav_[k]->setEnabled(m.property_buttons && HasBar(bar));
        if (m.captions) nav_[k]->SetCaption(QString::fromStdString((*m.captions)[k]));
    }
    UpdateToolTips();
    return 0;
}

int CZebDlg::UpdateLibSel() {
    if (HasCurrent(lf) && lf.obj[lf.cur]->type == SHAPE_OBJECT) {
        const int sn = ShapeIndexOf(*lf.obj[lf.cur]);
        const int npg = sn >= 0 ? lib_->UpdSel(sn) : -1;
        if (npg >= 0) obj_slider_->SetPages(lib_->pages().pages, npg);
    }
    // Also emptied when the last object went, so no removed text lingers.
    const QString text = QString::fromStdString(Cp1252ToUtf8(s.QuickText()));
    if (quick_->text() != text) quick_->setText(text);
    quick_->setCursorPosition(static_cast<int>(text.size()));
    return 0;
}

void CZebDlg::RefreshAll() {
    VX_CALL(UpdateOutWnd(), "UpdateOutWnd()");
    VX_CALL(UpdateWndMenu(), "UpdateWndMenu()");
    VX_CALL(UpdateEditMenu(), "UpdateEditMenu()");
    VX_CALL(UpdateLibSel(), "UpdateLibSel()");
}

void CZebDlg::MoTimer() {
    for (HoverControl* c : std::initializer_list<HoverControl*>{
             cur_obj_, next_, prev_, obj_left_, obj_right_, obj_slider_, style_left_, style_right_,
             style_slider_})
        c->MoTimer();
    for (StyleBtn* b : stbtn_) b->MoTimer();
    for (LeButton* b : nav_) b->MoTimer();
}

void CZebDlg::UpdateToolTips() {
    // Tooltips only while no bar is open.
    const bool on = !s.bar_modal;
    const auto tip = [on](QWidget* w, const QString& text) {
        w->setToolTip(on ? text : QString());
    };
    tip(obj_, "Current Object Preview");
    tip(lib_, "Logo Objects Library");
    for (StyleBtn* b : stbtn_) tip(b, "Apply Style");
    tip(cur_obj_, "Current Logo Object");
    tip(next_, "Previous Logo Object");
    tip(prev_, "Next Logo Object");
    for (LeButton* b : nav_) tip(b, "Current Object: " + b->caption());
}

}  // namespace vx
