// CZebDlg: the object library and the style row.

#include "document/StyleLibrary.h"
#include "render/FtText.h"
#include "session/ObjLibRules.h"
#include "session/StyleRow.h"
#include "shell/Checked.h"
#include "ui/CZebDlg.h"
#include "ui/ObjLib.h"
#include "ui/StyleBtn.h"
#include "ui/controls/ZebSlider.h"

namespace vx {

void CZebDlg::CreateLibraries() {
    lib_ = new ObjLib(client_);
    lib_->setToolTip("Logo Objects Library");
    connect(lib_, &ObjLib::clicked, this, &CZebDlg::LibClicked);
    connect(obj_slider_, &ZebSlider::pageChanged, this, &CZebDlg::ObjectsPageChanged);

    stfile_ = LoadProgramStyles();
    style_slider_->SetPages(static_cast<int>(stfile_.size()), 0);
    connect(style_slider_, &ZebSlider::pageChanged, this, &CZebDlg::StylePageChanged);
}

void CZebDlg::LayoutStyleRow(const std::vector<Rect>& places) {
    for (StyleBtn* b : stbtn_) delete b;
    stbtn_.clear();
    const int nb = static_cast<int>(places.size());
    for (int n = 0; n < nb; ++n) {
        auto* b = new StyleBtn(n, nb, client_);
        const Rect& r = places[static_cast<std::size_t>(n)];
        b->setGeometry(r.x, r.y, r.w, r.h);
        b->setToolTip(s.bar_modal ? QString() : QStringLiteral("Apply Style"));
        connect(b, &StyleBtn::clicked, this, &CZebDlg::StyleClicked);
        b->show();
        stbtn_.push_back(b);
    }
    selstl_ = 0;
    if (!stbtn_.empty()) stbtn_[0]->SetSelected(true);
    style_slider_->PageChanged();
}

void CZebDlg::StylePageChanged(int page) {
    VX_CHECK(page >= 0 && page < static_cast<int>(stfile_.size()), "page<styles");
    if (page < 0 || page >= static_cast<int>(stfile_.size())) return;
    for (StyleBtn* b : stbtn_) b->SetStyle(stfile_[static_cast<std::size_t>(page)]);
}

void CZebDlg::StyleClicked(int nstl, const LogoParams& lt_style) {
    const int nb = static_cast<int>(stbtn_.size());
    if (nstl < nb && selstl_ < nb) {
        stbtn_[static_cast<std::size_t>(selstl_)]->SetSelected(false);
        stbtn_[static_cast<std::size_t>(nstl)]->SetSelected(true);
        selstl_ = nstl;
    }
    // An empty style library has buttons but no style to give.
    if (!stfile_.empty() && ApplyStyle(s, lt_style)) VX_CALL(UpdateOutWnd(), "UpdateOutWnd()");
}

void CZebDlg::ObjectsPageChanged(int page) {
    lib_->UpdatePage(page);
}

void CZebDlg::LibClicked() {
    const int n = lib_->ClickedShape();
    if (n < 0) return;
    const SymEntry& e = FtText::Shape(n);
    if (!PutLibraryShape(s, e.font, e.glyph)) return;
    lf.obj[lf.cur]->lib_index = n;
    VX_CALL(UpdateWndMenu(), "UpdateWndMenu()");
    VX_CALL(UpdateEditMenu(), "UpdateEditMenu()");
    VX_CALL(UpdateOutWnd(), "UpdateOutWnd()");
}

}  // namespace vx
