#include "ui/bars/TransformBar.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QRadioButton>

#include "session/BarRules.h"
#include "ui/bars/NumberTrio.h"

namespace vx {

TransformBar::TransformBar(CZebDlg& main, LeFile& le)
    : PropertyBar(main, le, "Transform Text Object:") {
    auto* grid = new QGridLayout(body());
    transform_ = new QCheckBox("Transform Object:", body());
    grid->addWidget(transform_, 0, 0, 1, 2);
    rotation_ = new NumberTrio(grid, 1, 0, "Rotation Angle:", {0, 360, 0, 360});
    bend_ = new QCheckBox("Bend Object:", body());
    grid->addWidget(bend_, 2, 0, 1, 2);
    radius_ = new NumberTrio(grid, 3, 0, "Bend Radius:", {0, 100, 0, 100});
    inside_ = new QRadioButton("Bend Inside", body());
    outside_ = new QRadioButton("Bend Outside", body());
    grid->addWidget(inside_, 2, 4);
    grid->addWidget(outside_, 3, 4);

    const LogoParams& lt = Cur().lt;
    rotation_->SetFraction(lt.angle);
    radius_->SetFraction(lt.bend);
    bend_->setChecked(lt.has_bend != 0);
    transform_->setChecked(lt.has_transform != 0);
    (lt.bend_in ? inside_ : outside_)->setChecked(true);
    Enable();

    for (NumberTrio* t : {rotation_, radius_})
        connect(t, &NumberTrio::changed, this, &TransformBar::Live);
    for (QRadioButton* r : {inside_, outside_})
        connect(r, &QRadioButton::clicked, this, &TransformBar::Live);
    for (QCheckBox* c : {transform_, bend_})
        connect(c, &QCheckBox::clicked, this, [this] {
            Live();
            Enable();
        });
    Finish("Transform Text Object: ");
}

void TransformBar::Apply() {
    LogoParams& lt = Cur().lt;
    lt.angle = rotation_->Fraction();
    lt.bend = radius_->Fraction();
    lt.has_bend = bend_->isChecked() ? 1 : 0;
    lt.has_transform = transform_->isChecked() ? 1 : 0;
    lt.bend_in = inside_->isChecked() ? 1 : 0;
}

void TransformBar::Enable() {
    const TransformEnabling e = TransformEnablingOf(transform_->isChecked(), bend_->isChecked());
    rotation_->SetEnabled(e.rotation);
    bend_->setEnabled(e.bend_check);
    radius_->SetEnabled(e.bend);
    inside_->setEnabled(e.bend);
    outside_->setEnabled(e.bend);
}

}  // namespace vx
