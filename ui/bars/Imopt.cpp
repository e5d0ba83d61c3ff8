#include "ui/bars/Imopt.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "session/BarRules.h"
#include "ui/CZebDlg.h"
#include "ui/bars/ColorBar.h"
#include "ui/bars/ColorBtn.h"
#include "ui/bars/ImageBar.h"
#include "ui/bars/NumberTrio.h"
#include "ui/bars/ShapeSel.h"

namespace vx {

Imopt::Imopt(CZebDlg& main, LeFile& le) : PropertyBar(main, le, "Image Object: New Object") {
    auto* grid = new QGridLayout(body());
    grid->addWidget(new QLabel("Current Object Shape:", body()), 0, 0, 1, 2);
    shape_ = new ShapeSel(body());
    shape_->setFixedSize(96, 96);
    grid->addWidget(shape_, 1, 0, 3, 1);
    library_ = new QPushButton("Select Shape From Library...", body());
    grid->addWidget(library_, 4, 0, 1, 2);
    grid->addWidget(new QLabel("Output Object Size:", body()), 0, 2, 1, 3);
    constrain_ = new QCheckBox("Constrain Object Proportions", body());
    grid->addWidget(constrain_, 1, 2, 1, 4);
    width_ = new NumberTrio(grid, 2, 2, "Width", {10, 500, 1, 999});
    height_ = new NumberTrio(grid, 3, 2, "Height", {10, 500, 1, 999});
    rotation_ = new NumberTrio(grid, 4, 2, "Rotation Angle", {0, 360, 0, 360});
    swatch_label_ = new QLabel("Solid Color:\n(click to edit)", body());
    swatch_ = new ColorBtn(body());
    grid->addWidget(swatch_label_, 5, 2);
    grid->addWidget(swatch_, 5, 3, Qt::AlignLeft);

    const LogoParams& lt = Cur().lt;
    shape_->SetShape(lt.font, lt.shape);
    width_->SetInt(lt.width);
    height_->SetInt(lt.size);
    rotation_->SetFraction(lt.angle);
    constrain_->setChecked(ImoptConstrained(lt));
    swatch_->SetColor(lt.color);
    swatch_->setEnabled(!lt.grad);
    swatch_label_->setEnabled(!lt.grad);
    ShowConstrain();

    for (NumberTrio* t : {width_, height_, rotation_})
        connect(t, &NumberTrio::changed, this, &Imopt::Live);
    connect(constrain_, &QCheckBox::clicked, this, [this] {
        ShowConstrain();
        Live();
    });
    connect(library_, &QPushButton::clicked, this, &Imopt::SelectFromLibrary);
    connect(swatch_, &ColorBtn::clicked, this, &Imopt::EditColor);
    Finish("Image Object: ");
}

void Imopt::ShowConstrain() {
    const bool on = constrain_->isChecked();
    width_->SetCaption(on ? "Width/Height" : "Width");
    height_->SetEnabled(!on);
}

void Imopt::Apply() {
    ShowConstrain();
    LogoParams& lt = Cur().lt;
    ApplyImopt(lt, {constrain_->isChecked(), width_->Int(), height_->Int(), rotation_->Fraction()});
    swatch_->SetColor(lt.color);
    shape_->SetShape(lt.font, lt.shape);
}

void Imopt::SelectFromLibrary() {
    LeFile copy = lf;
    bool ok = false;
    {
        ImageBar library(mw, copy, this);
        ok = library.RunModal();
    }
    if (ok) lf = copy;
    // Also shows the real document again: the output showed the copy meanwhile.
    Live();
}

void Imopt::EditColor() {
    ColorBar::EditOneColor(this, mw, lf, &LogoParams::color, "Solid Color");
    Live();
}

}  // namespace vx
