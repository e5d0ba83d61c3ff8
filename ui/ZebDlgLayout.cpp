// CZebDlg: construction, the children and their places on resize.

#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>

#include "render/FtText.h"
#include "session/CommandIds.h"
#include "session/WebLink.h"
#include "shell/Checked.h"
#include "ui/CZebDlg.h"
#include "ui/ObjLib.h"
#include "ui/ObjWnd.h"
#include "ui/OutWnd.h"
#include "ui/bars/Bars.h"
#include "ui/controls/CaptionStyle.h"
#include "ui/controls/LeButton.h"
#include "ui/controls/LeEdit.h"
#include "ui/controls/LeStatic.h"
#include "ui/controls/SlBtn.h"
#include "ui/controls/ZebLogo.h"
#include "ui/controls/ZebSlider.h"

namespace vx {

namespace {

constexpr int HOVER_MS = 30;
const QColor PANEL(236, 236, 241);
constexpr int PAGE_LABEL_SIZE = 12;

}  // namespace

CZebDlg::CZebDlg(QWidget* parent) : QMainWindow(parent), site_(DEFAULT_SITE) {
    setWindowTitle("Vexo Logo");
    setMinimumSize(MIN_CLIENT_W, MIN_CLIENT_H);
    CreateMenus();
    CreateChildren();
    InstallBars(*this);
    initialized_ = true;
    RefreshAll();
    SetCaption();
    timer_ = new QTimer(this);
    connect(timer_, &QTimer::timeout, this, &CZebDlg::MoTimer);
    timer_->start(HOVER_MS);
}

CZebDlg::~CZebDlg() = default;

void CZebDlg::CreateChildren() {
    client_ = new QWidget(this);
    client_->setAutoFillBackground(true);
    QPalette pal = client_->palette();
    pal.setColor(QPalette::Window, PANEL);
    client_->setPalette(pal);
    client_->installEventFilter(this);
    setCentralWidget(client_);

    cur_obj_ = new LeButton("Current Object", client_);
    object_menu_ = new QMenu(this);
    connect(cur_obj_, &LeButton::menuRequested, this, &CZebDlg::FillObjectMenu);
    cur_obj_->SetPopupMenu(object_menu_);
    next_ = new LeButton("Next", client_);
    next_->SetIcon(ARROW_GLYPH, 0.0f);
    prev_ = new LeButton("Prev", client_);
    prev_->SetIcon(ARROW_GLYPH, 0.5f);  // the same arrow, turned half a turn
    connect(next_, &LeButton::pressedDown, this,
            [this] { RunObjectCommand(&Session::SelectLower); });
    connect(prev_, &LeButton::pressedDown, this,
            [this] { RunObjectCommand(&Session::SelectHigher); });
    for (int k = 0; k < 5; ++k) {
        nav_[static_cast<std::size_t>(k)] = new LeButton({}, client_);
        connect(nav_[static_cast<std::size_t>(k)], &LeButton::pressedDown, this,
                [this, k] { VX_CALL(ObjectCmd(k), "ObjectCmd(k)"); });
    }
    logo_ = new ZebLogo(client_);
    obj_ = new ObjWnd(this, client_);
    out_ = new OutWnd(this, obj_, client_);

    obj_label_ = new LeStatic({}, client_);
    obj_slider_ = new ZebSlider(LibraryKind::Objects, client_);
    obj_slider_->SetLabel(obj_label_);
    obj_left_ = new SlBtn(obj_slider_, -1, client_);
    obj_right_ = new SlBtn(obj_slider_, +1, client_);

    edit_top_ = new LeEdit(client_);
    quick_ = new QLineEdit(client_);
    quick_->setMaxLength(MAX_GLYPHS - 1);
    quick_->setFrame(false);
    quick_->installEventFilter(this);
    connect(quick_, &QLineEdit::textEdited, this, &CZebDlg::QuickTextChanged);
    edit_bottom_ = new LeEdit(client_);

    style_label_ = new LeStatic({}, client_);
    // Three-digit page counts must fit the labels' fixed widths.
    obj_label_->SetTextSize(PAGE_LABEL_SIZE);
    style_label_->SetTextSize(PAGE_LABEL_SIZE);
    style_slider_ = new ZebSlider(LibraryKind::Styles, client_);
    style_slider_->SetLabel(style_label_);
    style_left_ = new SlBtn(style_slider_, -1, client_);
    style_right_ = new SlBtn(style_slider_, +1, client_);
    CreateLibraries();
}

QWidget* CZebDlg::ChildOf(int id) const {
    switch (id) {
        case IDC_CUR_OBJECT:
            return cur_obj_;
        case IDC_NEXT:
            return next_;
        case IDC_PREV:
            return prev_;
        case IDC_NAV1:
            return nav_[0];
        case IDC_NAV2:
            return nav_[1];
        case IDC_NAV3:
            return nav_[2];
        case IDC_NAV4:
            return nav_[3];
        case IDC_NAV5:
            return nav_[4];
        case IDC_OBJ_WND:
            return obj_;
        case IDC_OUT_WND:
            return out_;
        case IDC_OBJ_LABEL:
            return obj_label_;
        case IDC_OBJ_LEFT:
            return obj_left_;
        case IDC_OBJ_SLIDER:
            return obj_slider_;
        case IDC_OBJ_RIGHT:
            return obj_right_;
        case IDC_QUICK_TEXT:
            return quick_;
        case IDC_EDIT_TOP:
            return edit_top_;
        case IDC_EDIT_BOTTOM:
            return edit_bottom_;
        case IDC_STYLE_LEFT:
            return style_left_;
        case IDC_STYLE_SLIDER:
            return style_slider_;
        case IDC_STYLE_RIGHT:
            return style_right_;
        case IDC_STYLE_LABEL:
            return style_label_;
        case IDC_OBJ_LIB:
            return lib_;
        default:
            return nullptr;
    }
}

void CZebDlg::ApplyLayout(int cx, int cy) {
    const MainLayout l = LayoutMainWindow(cx, cy);
    if (l.logo_shown) {
        logo_->setVisible(*l.logo_shown);
        if (*l.logo_shown) logo_->setGeometry(l.logo.x, l.logo.y, l.logo.w, l.logo.h);
    }
    for (const auto& [id, r] : l.places) {
        if (QWidget* w = ChildOf(id)) w->setGeometry(r.x, r.y, r.w, r.h);
    }
    if (l.complete) {
        LayoutStyleRow(l.style_buttons);
        // The library's pages for its new size, from the first page.
        if (lib_->UpdatePage(0)) obj_slider_->SetPages(lib_->pages().pages, 0);
    }
    out_->UpdateBackground();
    VX_CALL(UpdateOutWnd(), "UpdateOutWnd()");
    if (s.bar_modal) VX_CALL(EnableMenu(false), "EnableMenu(FALSE)");
}

bool CZebDlg::eventFilter(QObject* watched, QEvent* e) {
    if (watched == client_ && e->type() == QEvent::Resize) {
        ApplyLayout(client_->width(), client_->height());
    } else if (watched == quick_) {
        switch (e->type()) {
            case QEvent::FocusIn:
                QuickTextFocus();
                break;
            case QEvent::FocusOut:
                QuickTextLeft();
                break;
            case QEvent::ShortcutOverride:
                // The window's keys win over the field's own (Ctrl+C is Bring Closer).
                for (const auto& [id, a] : actions_) {
                    const auto* k = static_cast<QKeyEvent*>(e);
                    if (!a->shortcut().isEmpty() &&
                        a->shortcut() == QKeySequence(k->keyCombination())) {
                        e->ignore();  // not taken by the field: the shortcut runs
                        return true;
                    }
                }
                break;
            default:
                break;
        }
    }
    return QMainWindow::eventFilter(watched, e);
}

}  // namespace vx
