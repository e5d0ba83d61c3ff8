#pragma once

// The main window. It owns the session (document, undo track, project name),
// every child control and the one property bar that may be open, turns menu
// commands, keys and button presses into session commands, and keeps the views,
// menus and buttons in step through UpdateOutWnd, UpdateEditMenu,
// UpdateWndMenu, UpdateLibSel and EnableMenu. Its members are spread over
// several files by concern: ZebDlgMenus (menus and actions), ZebDlgFile (file
// commands), ZebDlgObject (object commands and the quick text field),
// ZebDlgBars (the property bars' opening points), ZebDlgLayout (children and
// their places), ZebDlgRefresh (keeping everything in step).

#include <QMainWindow>
#include <QString>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "session/MainLayout.h"
#include "session/ObjectCmd.h"
// The undo track's `slots` would meet Qt's keyword macro of that name.
#pragma push_macro("slots")
#undef slots
#include "session/Session.h"
#pragma pop_macro("slots")

class QAction;
class QLineEdit;
class QMenu;
class QTimer;

namespace vx {

class LeButton;
class LeEdit;
class LeStatic;
class ObjLib;
class ObjWnd;
class OutWnd;
class SlBtn;
class StyleBtn;
class ZebLogo;
class ZebSlider;

class CZebDlg : public QMainWindow {
    Q_OBJECT
public:
    // Creates a property bar over the main window's document; the bar calls
    // PostBarModal when it closes. `nc` is the colour bar's first entry.
    using BarFactory = std::function<std::unique_ptr<QWidget>(CZebDlg& mw, int nc)>;

    explicit CZebDlg(QWidget* parent = nullptr);
    ~CZebDlg() override;

    Session s;
    // The document and its undo track, under the names the bars use.
    LeFile& lf = s.lf;
    UndoTrack& utrack = s.utrack;

    // ---- Refresh ----
    int UpdateOutWnd(LeFile* le = nullptr);
    int UpdateEditMenu();
    int UpdateWndMenu();
    int UpdateLibSel();
    int EnableMenu(bool enm);

    // ---- Property bars ----
    int ObjectCmd(int k);
    int EditText(bool new_obj);
    int EditImage(bool new_obj);
    int EditShape();
    int EditEffects();
    int EditGradient();
    int EditTransform();
    int EditColor(int nc);
    int EditLogo();
    // Called by a bar after it has closed its window.
    int PostBarModal(bool ok);
    void SetBarFactory(BarKind kind, BarFactory factory);
    QWidget* bar() const { return bar_.get(); }

    // ---- Libraries ----
    // The style slider's page `page`: every button shows that style.
    void StylePageChanged(int page);
    // Button `nstl` was clicked showing `lt_style`: it takes the selection
    // mark and the current object takes the style.
    void StyleClicked(int nstl, const LogoParams& lt_style);
    // The object slider's page `page`: the library shows it.
    void ObjectsPageChanged(int page);

    // Opens the project at `path` (the command line's, or the load dialog's).
    bool OpenProject(const QString& path);
    // Start-up: the document the window starts with (a copy of `doc`), named
    // `name` ("" for an unnamed project).
    void StartWith(const LeFile& doc, const std::string& name);

    // ---- Commands, by id (menus, keys and tests alike) ----
    void OnCommand(int id);
    // The actions of command `id` (some commands sit in two menus).
    std::vector<QAction*> ActionsOf(int id) const;

    // The help and home page links open this site (the referrer comes from the
    // profile, section "Ref", key "str").
    void SetSiteAddress(const QString& site) { site_ = site; }

    // Children, for the layout and for tests.
    OutWnd* out_wnd() const { return out_; }
    ObjWnd* obj_wnd() const { return obj_; }
    QLineEdit* quick_text() const { return quick_; }
    LeButton* nav(int k) const { return nav_[static_cast<std::size_t>(k)]; }
    LeButton* next_button() const { return next_; }
    LeButton* prev_button() const { return prev_; }
    ZebSlider* obj_slider() const { return obj_slider_; }
    SlBtn* obj_arrow(int step) const { return step < 0 ? obj_left_ : obj_right_; }
    ObjLib* obj_lib() const { return lib_; }
    ZebSlider* style_slider() const { return style_slider_; }
    const std::vector<StyleBtn*>& style_buttons() const { return stbtn_; }
    int selected_style() const { return selstl_; }
    const std::vector<LogoParams>& styles() const { return stfile_; }
    QWidget* client() const { return client_; }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    // ZebDlgLayout
    void CreateChildren();
    void ApplyLayout(int cx, int cy);
    QWidget* ChildOf(int id) const;
    // ZebDlgLibrary
    void CreateLibraries();
    void LayoutStyleRow(const std::vector<Rect>& places);
    void LibClicked();
    // ZebDlgMenus
    void CreateMenus();
    QAction* AddCommand(QMenu* menu, const char* caption, int id, const QKeySequence& key = {});
    void OnWindowCmd(int id);
    // ZebDlgFile
    void NewBlank();
    void LoadProjectDlg();
    void SaveProjectDlg(bool ask);
    void ImportBitmap();
    void CopyLogoImage();
    void OpenWebLink(const char* page_word);
    void SetCaption();
    // ZebDlgDialogs
    void NewFromTemplate();
    void SaveAsTemplate();
    void ExportLogoImage();
    void ExportBrandPack();
    void AddFonts();
    void ShowAbout();
    // ZebDlgObject
    void RunObjectCommand(bool (Session::*command)());
    void FillObjectMenu();
    void QuickTextFocus();
    void QuickTextChanged(const QString& text);
    void QuickTextLeft();
    // ZebDlgBars
    bool HasBar(BarKind kind) const { return bar_factories_.count(kind) > 0; }
    bool PreBarModal(int type);
    int OpenBar(BarKind kind, int type, int nc = 0);
    // ZebDlgRefresh
    void RefreshAll();
    void MoTimer();
    void UpdateToolTips();

    bool initialized_ = false;
    QWidget* client_ = nullptr;
    std::multimap<int, QAction*> actions_;
    QMenu* wnd_menu_ = nullptr;
    QMenu* object_menu_ = nullptr;  // the "Current Object" button's list
    std::array<QMenu*, 5> menus_{};

    LeButton* cur_obj_ = nullptr;
    LeButton* next_ = nullptr;
    LeButton* prev_ = nullptr;
    std::array<LeButton*, 5> nav_{};
    ZebLogo* logo_ = nullptr;
    ObjWnd* obj_ = nullptr;
    OutWnd* out_ = nullptr;
    LeStatic* obj_label_ = nullptr;
    SlBtn* obj_left_ = nullptr;
    ZebSlider* obj_slider_ = nullptr;
    SlBtn* obj_right_ = nullptr;
    QLineEdit* quick_ = nullptr;
    LeEdit* edit_top_ = nullptr;
    LeEdit* edit_bottom_ = nullptr;
    SlBtn* style_left_ = nullptr;
    ZebSlider* style_slider_ = nullptr;
    SlBtn* style_right_ = nullptr;
    LeStatic* style_label_ = nullptr;
    ObjLib* lib_ = nullptr;
    std::vector<StyleBtn*> stbtn_;  // owned by the window as children
    std::vector<LogoParams> stfile_;
    int selstl_ = 0;
    QTimer* timer_ = nullptr;

    std::map<BarKind, BarFactory> bar_factories_;
    std::unique_ptr<QWidget> bar_;
    QString site_;
};

}  // namespace vx
