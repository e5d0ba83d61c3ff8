#include "ui/bars/GradientBar.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <algorithm>

#include "ui/bars/ColorBar.h"
#include "ui/bars/ColorBtn.h"
#include "ui/bars/GradPreview.h"
#include "ui/bars/NumberTrio.h"

namespace vx {

GradientBar::GradientBar(CZebDlg& main, LeFile& le)
    : PropertyBar(main, le, "Gradient Options: Current Object") {
    auto* grid = new QGridLayout(body());
    grad_ = new QCheckBox("Gradient Overlay", body());
    grid->addWidget(grad_, 0, 0, 1, 3);
    label1_ = new QLabel("Gradient Color #1:\n(click to edit)", body());
    color1_ = new ColorBtn(body());
    grid->addWidget(label1_, 1, 0);
    grid->addWidget(color1_, 1, 1, Qt::AlignLeft);
    opacity1_ = new NumberTrio(grid, 2, 0, "Opacity:", {0, 100, 0, 100});
    label2_ = new QLabel("Gradient Color #2:\n(click to edit)", body());
    color2_ = new ColorBtn(body());
    grid->addWidget(label2_, 3, 0);
    grid->addWidget(color2_, 3, 1, Qt::AlignLeft);
    opacity2_ = new NumberTrio(grid, 4, 0, "Opacity:", {0, 100, 0, 100});
    preview_label_ = new QLabel("Preview:", body());
    preview_ = new GradPreview(body());
    preview_->setFixedSize(155, 120);
    grid->addWidget(preview_label_, 0, 5, 1, 4);
    grid->addWidget(preview_, 1, 5, 3, 4);
    angle_ = new NumberTrio(grid, 4, 5, "Gradient Angle:", {0, 360, 0, 360});
    grid->setColumnMinimumWidth(4, 12);

    const LogoParams& lt = Cur().lt;
    opacity1_->SetFraction(lt.grad_opacity1);
    opacity2_->SetFraction(lt.grad_opacity2);
    angle_->SetInt(std::clamp(lt.grad_angle, 0, 360));
    grad_->setChecked(lt.grad != 0);
    ShowColors();
    Enable();

    for (NumberTrio* t : {opacity1_, opacity2_, angle_})
        connect(t, &NumberTrio::changed, this, &GradientBar::Live);
    connect(grad_, &QCheckBox::clicked, this, [this] {
        Live();
        Enable();
    });
    connect(color1_, &ColorBtn::clicked, this,
            [this] { EditColor(&LogoParams::grad_color1, "Gradient Color #1"); });
    connect(color2_, &ColorBtn::clicked, this,
            [this] { EditColor(&LogoParams::grad_color2, "Gradient Color #2"); });
    Finish("Gradient Options: ");
}

void GradientBar::Apply() {
    LogoParams& lt = Cur().lt;
    lt.grad_angle = angle_->Int();
    lt.grad_opacity1 = opacity1_->Fraction();
    lt.grad_opacity2 = opacity2_->Fraction();
    lt.grad = grad_->isChecked() ? 1 : 0;
    ShowColors();
}

void GradientBar::ShowColors() {
    const LogoParams& lt = Cur().lt;
    color1_->SetColor(lt.grad_color1);
    color2_->SetColor(lt.grad_color2);
    preview_->Set(lt);
}

void GradientBar::Enable() {
    const bool on = grad_->isChecked();
    for (QWidget* w : std::initializer_list<QWidget*>{label1_, label2_, color1_, color2_,
                                                      preview_label_, preview_})
        w->setEnabled(on);
    for (NumberTrio* t : {opacity1_, opacity2_, angle_}) t->SetEnabled(on);
}

void GradientBar::EditColor(HslF LogoParams::*member, const char* desc) {
    ColorBar::EditOneColor(this, mw, lf, member, desc);
    ShowColors();
    Live();
}

}  // namespace vx
