#include "ui/bars/TextBar.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>
#include <QVBoxLayout>

#include "render/FontCatalogue.h"
#include "session/BarRules.h"
#include "shell/Checked.h"
#include "shell/Cp1252.h"
#include "ui/bars/ColorBar.h"
#include "ui/bars/ColorBtn.h"
#include "ui/bars/FontsBox.h"
#include "ui/bars/NumberTrio.h"

namespace vx {

namespace {

constexpr const char* PREFIX = "Basic Text Options: ";

}  // namespace

TextBar::TextBar(CZebDlg& main, LeFile& le)
    : PropertyBar(main, le, "Basic Text Options: New Text") {
    auto* grid = new QGridLayout(body());
    grid->addWidget(new QLabel("Text Line:", body()), 0, 0);
    text_ = new QLineEdit(body());
    text_->setMaxLength(MAX_TEXT_INPUT);
    grid->addWidget(text_, 0, 1, 1, 8);
    tabs_ = new QTabBar(body());
    tabs_->setExpanding(false);
    tabs_->setUsesScrollButtons(false);
    fonts_ = new FontsBox(body());
    fonts_->setMinimumHeight(150);
    auto* font_col = new QVBoxLayout;
    font_col->setSpacing(0);
    font_col->addWidget(tabs_);
    font_col->addWidget(fonts_);
    grid->addLayout(font_col, 1, 0, 1, 9);
    size_ = new NumberTrio(grid, 2, 0, "Font Size:", {10, 100, 4, 256});
    spacing_ = new NumberTrio(grid, 3, 0, "Character Spacing:", {-5, 20, -30, 100});
    aspect_ = new NumberTrio(grid, 4, 0, "Aspect Ratio:", {0, 0, 0, 0, SliderMode::ASPECT});
    swatch_label_ = new QLabel("Solid Color:\n(click to edit)", body());
    swatch_ = new ColorBtn(body());
    grid->addWidget(swatch_label_, 2, 5);
    grid->addWidget(swatch_, 2, 6, 2, 1);
    grid->setColumnMinimumWidth(4, 12);

    for (int n = 0; n < FONT_CATEGORIES; ++n)
        VX_CHECK(tabs_->addTab(FontCategoryTab(n)) == n, "m_tab.InsertItem(n,tabs[n])!=-1");
    const LogoParams& lt = Cur().lt;
    const int ncat = FontCategory(lt.font);
    tabs_->setCurrentIndex(ncat);
    FillFntList(ncat);
    const int item = FindFontItem(FontsInCategory(ncat), lt.font);
    fonts_->setCurrentRow(item >= 0 ? item : 0);
    VX_CHECK(fonts_->count() == 0 || fonts_->currentRow() >= 0, "m_fonts.SetCurSel(0)!=LB_ERR");
    size_->SetInt(lt.size);
    spacing_->SetInt(lt.spacing);
    aspect_->SetFraction(AspectFraction(lt.aspect));
    swatch_->SetColor(lt.color);
    text_->setText(QString::fromStdString(Cp1252ToUtf8(lt.str)));
    swatch_->setEnabled(!lt.grad);
    swatch_label_->setEnabled(!lt.grad);

    connect(tabs_, &QTabBar::currentChanged, this, &TextBar::FillFntList);
    connect(fonts_, &QListWidget::itemSelectionChanged, this, &TextBar::Live);
    for (NumberTrio* t : {size_, spacing_, aspect_})
        connect(t, &NumberTrio::changed, this, &TextBar::Live);
    connect(text_, &QLineEdit::textChanged, this, &TextBar::TextChanged);
    connect(swatch_, &ColorBtn::clicked, this, &TextBar::EditColor);
    Finish(PREFIX);
}

void TextBar::FillFntList(int ncat) {
    fonts_->Fill(ncat);
}

void TextBar::Apply() {
    LogoParams& lt = Cur().lt;
    const QString font = fonts_->SelectedFont();
    if (!font.isEmpty()) lt.font = font.toStdString();
    lt.str = Utf8ToCp1252Filtered(text_->text().toStdString());
    lt.aspect = AspectOfFraction(aspect_->Fraction());
    lt.size = size_->Int();
    lt.spacing = spacing_->Int();
    swatch_->SetColor(lt.color);
}

void TextBar::TextChanged() {
    Live();
    // The title follows the text from the start, before the bar is live.
    SetTitle(PREFIX, text_->text());
}

void TextBar::EditColor() {
    ColorBar::EditOneColor(this, mw, lf, &LogoParams::color, "Solid Text Color");
    Live();
}

}  // namespace vx
