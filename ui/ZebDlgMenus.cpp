// CZebDlg: the menu bar, its commands and keys, the "&Window" menu, and the
// dispatch of command ids.

#include <QAction>
#include <QMenuBar>

#include "session/CommandIds.h"
#include "session/WindowMenu.h"
#include "shell/Checked.h"
#include "shell/Cp1252.h"
#include "ui/CZebDlg.h"
#include "ui/ObjLib.h"
#include "ui/StyleBtn.h"
#include "ui/controls/LeButton.h"
#include "ui/controls/SlBtn.h"
#include "ui/controls/ZebLogo.h"
#include "ui/controls/ZebSlider.h"

namespace vx {

namespace {

// Top-level captions without the letters of the Alt keys below (E, L, S, T),
// which would make those keys ambiguous.
constexpr const char* MENU_TITLES[] = {"&File", "Edit", "&Object", "&Window", "&Help"};
constexpr int WINDOW_MENU = 3;

QKeySequence Ctrl(Qt::Key k) {
    return QKeySequence(Qt::CTRL | k);
}
QKeySequence Alt(Qt::Key k) {
    return QKeySequence(Qt::ALT | k);
}

}  // namespace

QAction* CZebDlg::AddCommand(QMenu* menu, const char* caption, int id, const QKeySequence& key) {
    QAction* a = menu->addAction(QString::fromLatin1(caption));
    if (!key.isEmpty()) {
        a->setShortcut(key);
        a->setShortcutContext(Qt::WindowShortcut);
    }
    connect(a, &QAction::triggered, this, [this, id] { OnCommand(id); });
    actions_.emplace(id, a);
    return a;
}

void CZebDlg::CreateMenus() {
    for (int n = 0; n < 5; ++n)
        menus_[static_cast<std::size_t>(n)] = menuBar()->addMenu(MENU_TITLES[n]);
    QMenu* file = menus_[0];
    AddCommand(file, "&Export Logo Image...\tAlt+E", ID_FILE_EXPORT, Alt(Qt::Key_E));
    AddCommand(file, "Export Brand Pack...", ID_FILE_BRAND_PACK);
    file->addSeparator();
    AddCommand(file, "&New Blank Project", ID_FILE_NEW);
    AddCommand(file, "New From &Template...\tAlt+T", ID_FILE_TEMPLATE, Alt(Qt::Key_T));
    AddCommand(file, "&Load Project...\tAlt+L", ID_FILE_LOAD, Alt(Qt::Key_L));
    AddCommand(file, "&Save Project\tAlt+S", ID_FILE_SAVE, Alt(Qt::Key_S));
    AddCommand(file, "Save Project &As...", ID_FILE_SAVE_AS);
    file->addSeparator();
    AddCommand(file, "&Import Image...", ID_FILE_IMPORT);
    AddCommand(file, "Save As Template...", ID_FILE_SAVE_TEMPLATE);
    AddCommand(file, "Canvas Properties...", ID_WINDOW_LOGOIMAGE);
    AddCommand(file, "Add Fonts...", ID_FILE_ADD_FONTS);
    file->addSeparator();
    AddCommand(file, "&Exit", ID_FILE_EXIT);

    QMenu* edit = menus_[1];
    AddCommand(edit, "Undo\tCtrl+Z", ID_EDIT_UNDO, Ctrl(Qt::Key_Z));
    AddCommand(edit, "Redo\tCtrl+Y", ID_EDIT_REDO, Ctrl(Qt::Key_Y));
    edit->addSeparator();
    AddCommand(edit, "Copy Logo Image", ID_EDIT_COPY_LOGO);
    edit->addSeparator();
    AddCommand(edit, "Solid Color", IDM_EDIT_BASICCOLOR);
    AddCommand(edit, "Gradient Color #1", ID_EDIT_GRADIENTCOLOR1);
    AddCommand(edit, "Gradient Color #2", ID_EDIT_GRADIENTCOLOR2);
    AddCommand(edit, "Outline Color", ID_EDIT_OUTLINECOLOR);
    AddCommand(edit, "Shadow Color", ID_EDIT_SHADOWCOLOR);
    AddCommand(edit, "Background Color", IDM_EDIT_BACKGROUDCOLOR);

    QMenu* object = menus_[2];
    AddCommand(object, "New &Text...\tCtrl+T", ID_OBJECT_NEWTEXT, Ctrl(Qt::Key_T));
    AddCommand(object, "New &Image...\tCtrl+I", ID_OBJECT_NEWIMAGE, Ctrl(Qt::Key_I));
    AddCommand(object, "Import Custom &Bitmap...", ID_FILE_IMPORT);
    object->addSeparator();
    AddCommand(object, "&Remove Object\tCtrl+R", IDM_DELETECURRENT, Ctrl(Qt::Key_R));
    AddCommand(object, "&Duplicate Object\tCtrl+D", ID_OBJECT_DUPLICATEOBJECT, Ctrl(Qt::Key_D));
    object->addSeparator();
    AddCommand(object, "Bring &Closer\tCtrl+C", IDM_CLOSER, Ctrl(Qt::Key_C));
    AddCommand(object, "Send &Farther\tCtrl+F", IDM_FARTHER, Ctrl(Qt::Key_F));
    AddCommand(object, "Bring to Front", ID_OBJECT_BRINGTOFRONT);
    AddCommand(object, "Send To Back", ID_OBJECT_SENDTOBACK);

    wnd_menu_ = menus_[WINDOW_MENU];

    QMenu* help = menus_[4];
    AddCommand(help, "Vexo Logo Help\tF1", ID_HELP_HELP, QKeySequence(Qt::Key_F1));
    AddCommand(help, "Vexo Logo Home Page", ID_HELP_HOME);
    help->addSeparator();
    AddCommand(help, "About Vexo Logo", ID_HELP_ABOUT);
}

std::vector<QAction*> CZebDlg::ActionsOf(int id) const {
    std::vector<QAction*> out;
    const auto [from, to] = actions_.equal_range(id);
    for (auto it = from; it != to; ++it) out.push_back(it->second);
    return out;
}

void CZebDlg::OnCommand(int id) {
    switch (id) {
        case ID_FILE_NEW:
            NewBlank();
            break;
        case ID_FILE_TEMPLATE:
            NewFromTemplate();
            break;
        case ID_FILE_SAVE_TEMPLATE:
            SaveAsTemplate();
            break;
        case ID_FILE_EXPORT:
            ExportLogoImage();
            break;
        case ID_FILE_BRAND_PACK:
            ExportBrandPack();
            break;
        case ID_FILE_ADD_FONTS:
            AddFonts();
            break;
        case ID_HELP_ABOUT:
            ShowAbout();
            break;
        case ID_FILE_LOAD:
            LoadProjectDlg();
            break;
        case ID_FILE_SAVE:
            SaveProjectDlg(false);
            break;
        case ID_FILE_SAVE_AS:
            SaveProjectDlg(true);
            break;
        case ID_FILE_IMPORT:
            ImportBitmap();
            break;
        case ID_WINDOW_LOGOIMAGE:
            VX_CALL(EditLogo(), "EditLogo()");
            break;
        case ID_FILE_EXIT:
            close();
            break;
        case ID_EDIT_UNDO:
            RunObjectCommand(&Session::Undo);
            break;
        case ID_EDIT_REDO:
            RunObjectCommand(&Session::Redo);
            break;
        case ID_EDIT_COPY_LOGO:
            CopyLogoImage();
            break;
        case IDM_EDIT_BASICCOLOR:
            VX_CALL(EditColor(0), "EditColor(0)");
            break;
        case ID_EDIT_GRADIENTCOLOR1:
            VX_CALL(EditColor(1), "EditColor(1)");
            break;
        case ID_EDIT_GRADIENTCOLOR2:
            VX_CALL(EditColor(2), "EditColor(2)");
            break;
        case ID_EDIT_OUTLINECOLOR:
            VX_CALL(EditColor(3), "EditColor(3)");
            break;
        case ID_EDIT_SHADOWCOLOR:
            VX_CALL(EditColor(4), "EditColor(4)");
            break;
        case IDM_EDIT_BACKGROUDCOLOR:
            VX_CALL(EditColor(5), "EditColor(5)");
            break;
        case ID_OBJECT_NEWTEXT:
            VX_CALL(EditText(true), "EditText(TRUE)");
            break;
        case ID_OBJECT_NEWIMAGE:
            VX_CALL(EditImage(true), "EditImage(TRUE)");
            break;
        case IDM_DELETECURRENT:
            RunObjectCommand(&Session::RemoveObject);
            break;
        case ID_OBJECT_DUPLICATEOBJECT:
            RunObjectCommand(&Session::DuplicateObject);
            break;
        case IDM_CLOSER:
            RunObjectCommand(&Session::BringCloser);
            break;
        case IDM_FARTHER:
            RunObjectCommand(&Session::SendFarther);
            break;
        case ID_OBJECT_BRINGTOFRONT:
            RunObjectCommand(&Session::BringToFront);
            break;
        case ID_OBJECT_SENDTOBACK:
            RunObjectCommand(&Session::SendToBack);
            break;
        case ID_HELP_HELP:
            OpenWebLink("help");
            break;
        case ID_HELP_HOME:
            OpenWebLink("home");
            break;
        default:
            if (id >= ID_WINDOW_FIRST && id <= ID_WINDOW_LAST) OnWindowCmd(id);
            break;
    }
}

int CZebDlg::UpdateWndMenu() {
    wnd_menu_->clear();
    for (const WindowMenuEntry& e : BuildWindowMenu(lf)) {
        if (e.separator()) {
            wnd_menu_->addSeparator();
            continue;
        }
        QString text = QString::fromStdString(Cp1252ToUtf8(e.text));
        const int id = e.id;
        // An object's text shows as typed: its "&" marks no shortcut letter.
        if (id != ID_WINDOW_LOGOIMAGE) text.replace('&', "&&");
        QAction* a = wnd_menu_->addAction(text);
        connect(a, &QAction::triggered, this, [this, id] { OnCommand(id); });
        const std::optional<WindowCommand> cmd = DecodeWindowCommand(id, lf);
        const BarKind bar = cmd ? ObjectBar(*lf.obj[cmd->nobj], cmd->k).kind : BarKind::LOGO;
        a->setEnabled(!s.bar_modal && HasBar(bar));
    }
    return 0;
}

void CZebDlg::OnWindowCmd(int id) {
    const std::optional<WindowCommand> cmd = DecodeWindowCommand(id, lf);
    if (!cmd) return;
    VX_CALL(lf.SetCurObj(cmd->nobj), "lf.SetCurObj(nobj)");
    VX_CALL(ObjectCmd(cmd->k), "ObjectCmd(k)");
}

int CZebDlg::EnableMenu(bool enm) {
    for (QMenu* m : menus_) m->menuAction()->setEnabled(enm);
    const std::initializer_list<QWidget*> controls = {
        cur_obj_,    next_,       prev_,        obj_left_,     obj_right_,
        obj_slider_, style_left_, style_right_, style_slider_, logo_};
    for (QWidget* w : controls) w->setEnabled(enm);
    for (LeButton* b : nav_) b->setEnabled(enm);
    for (StyleBtn* b : stbtn_) b->setEnabled(enm);
    lib_->setEnabled(enm);
    if (enm) VX_CALL(UpdateEditMenu(), "UpdateEditMenu()");
    return 0;
}

}  // namespace vx
