#include "ui/bars/ImageBar.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <algorithm>

#include "render/FtText.h"
#include "render/ShapeIndex.h"
#include "shell/Checked.h"
#include "shell/Cp1252.h"
#include "ui/bars/ShapeList.h"

namespace vx {

ImageBar::ImageBar(CZebDlg& main, LeFile& le, QWidget* parent)
    : PropertyBar(main, le, "Image Options: New Image", parent) {
    auto* grid = new QGridLayout(body());
    tabs_ = new QTabBar(body());
    tabs_->setUsesScrollButtons(true);
    tabs_->setExpanding(false);
    list_ = new ShapeList(body());
    list_->setFixedSize(520, 240);
    grid->addWidget(tabs_, 0, 0, 1, 3);
    grid->addWidget(list_, 1, 0, 1, 3);
    label_ = new QLabel(body());
    prev_ = new QPushButton("Prev. Page", body());
    next_ = new QPushButton("Next Page", body());
    grid->addWidget(label_, 2, 0);
    grid->addWidget(prev_, 2, 1);
    grid->addWidget(next_, 2, 2);
    connect(prev_, &QPushButton::clicked, this, [this] { ShowPage(p_.page - 1); });
    connect(next_, &QPushButton::clicked, this, [this] { ShowPage(p_.page + 1); });
    connect(list_, &ShapeList::chosen, this, &ImageBar::ShapeChosen);
    // The list pages itself by its size, fixed above.
    list_->resize(list_->minimumSize());
    Open();
}

void ImageBar::Open() {
    LogoObject& o = Cur();
    const int sn = ShapeIndexOf(o);
    VX_CHECK(sn != -1, "sn!=-1");
    p_ = list_->UpdatePage(0, sn);
    for (int n = 0; n < p_.pages; ++n)
        tabs_->addTab(QString::fromStdString(ShapeTabCaption(n, p_.itmpp)));
    tabs_->setCurrentIndex(p_.page);
    connect(tabs_, &QTabBar::currentChanged, this, [this](int n) {
        if (n >= 0 && n != p_.page) ShowPage(n);
    });
    UpdateLabel();
    Finish("Image Options: ");
}

void ImageBar::ShowPage(int page) {
    if (p_.pages == 0) return;
    const ShapePages shown = list_->UpdatePage(std::clamp(page, 0, p_.pages - 1), -1);
    VX_CHECK(shown.pages == p_.pages, "_pages==pages");
    p_ = shown;
    tabs_->setCurrentIndex(p_.page);
    UpdateLabel();
}

void ImageBar::UpdateLabel() {
    label_->setText(QString::fromStdString(ShapePageLabel(p_)));
    prev_->setEnabled(p_.page > 0);
    next_->setEnabled(p_.page < p_.pages - 1);
}

void ImageBar::ShapeChosen(int sel) {
    if (sel < 0) return;
    const int n = p_.page * p_.itmpp + sel;
    VX_CHECK(n < FtText::ShapeCount(), "n<syms");
    if (n >= FtText::ShapeCount()) return;
    LogoObject& o = Cur();
    o.lt.font = FtText::Shape(n).font;
    o.lt.shape = FtText::Shape(n).glyph;
    o.lib_index = n;
    p_.sel = sel;
    UpdateOutput();
    object_field()->setText(QString::fromStdString(Cp1252ToUtf8(o.lt.str)));
}

}  // namespace vx
