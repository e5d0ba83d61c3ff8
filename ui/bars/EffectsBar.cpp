#include "ui/bars/EffectsBar.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <algorithm>

#include "session/BarRules.h"
#include "ui/bars/ColorBar.h"
#include "ui/bars/ColorBtn.h"
#include "ui/bars/NumberTrio.h"

namespace vx {

EffectsBar::EffectsBar(CZebDlg& main, LeFile& le)
    : PropertyBar(main, le, "Effects Options: Current Object") {
    auto* grid = new QGridLayout(body());
    strength_ = new NumberTrio(grid, 0, 0, "Effects Strength:", {0, 10, 0, 10});
    outline_ = new QCheckBox("Has Outline:", body());
    grid->addWidget(outline_, 1, 0, 1, 2);
    sharpness_ = new NumberTrio(grid, 2, 0, "Outline Sharpness:", {0, 100, 0, 100});
    shadow_ = new QCheckBox("Has Shadow:", body());
    grid->addWidget(shadow_, 3, 0, 1, 2);
    angle_ = new NumberTrio(grid, 4, 0, "Shadow Angle:", {0, 360, 0, 360});
    distance_ = new NumberTrio(grid, 5, 0, "Shadow Distance:", {0, 20, 0, 20});
    outline_label_ = new QLabel("Outline Color:\n(click to edit)", body());
    outline_color_ = new ColorBtn(body());
    grid->addWidget(outline_label_, 0, 5);
    grid->addWidget(outline_color_, 0, 6, 2, 1);
    outline_opacity_ = new NumberTrio(grid, 2, 5, "Outline Opacity:", {0, 100, 0, 100});
    shadow_label_ = new QLabel("Shadow Color:\n(click to edit)", body());
    shadow_color_ = new ColorBtn(body());
    grid->addWidget(shadow_label_, 3, 5);
    grid->addWidget(shadow_color_, 3, 6, 2, 1);
    shadow_opacity_ = new NumberTrio(grid, 5, 5, "Shadow Opacity:", {0, 100, 0, 100});
    grid->setColumnMinimumWidth(4, 12);

    const LogoParams& lt = Cur().lt;
    strength_->SetFraction(static_cast<float>(lt.strength) * 0.1f);
    sharpness_->SetFraction(lt.outline_sharpness);
    outline_opacity_->SetFraction(lt.outline_opacity);
    angle_->SetInt(std::clamp(lt.shadow_angle, 0, 360));
    distance_->SetInt(lt.shadow_distance);
    shadow_opacity_->SetFraction(lt.shadow_opacity);
    outline_->setChecked(lt.has_outline != 0);
    shadow_->setChecked(lt.has_shadow != 0);
    outline_color_->SetColor(lt.outline_color);
    shadow_color_->SetColor(lt.shadow_color);
    Enable();

    for (NumberTrio* t :
         {strength_, sharpness_, outline_opacity_, angle_, distance_, shadow_opacity_})
        connect(t, &NumberTrio::changed, this, &EffectsBar::Live);
    for (QCheckBox* c : {outline_, shadow_})
        connect(c, &QCheckBox::clicked, this, [this] {
            Live();
            Enable();
        });
    connect(outline_color_, &ColorBtn::clicked, this,
            [this] { EditColor(&LogoParams::outline_color, "Outline Color"); });
    connect(shadow_color_, &ColorBtn::clicked, this,
            [this] { EditColor(&LogoParams::shadow_color, "Shadow Color"); });
    Finish("Effects Options: ");
}

void EffectsBar::Apply() {
    LogoParams& lt = Cur().lt;
    lt.strength = strength_->Int();
    lt.shadow_angle = angle_->Int();
    lt.shadow_distance = distance_->Int();
    lt.outline_sharpness = sharpness_->Fraction();
    lt.outline_opacity = outline_opacity_->Fraction();
    lt.shadow_opacity = shadow_opacity_->Fraction();
    lt.has_outline = outline_->isChecked() ? 1 : 0;
    lt.has_shadow = shadow_->isChecked() ? 1 : 0;
}

void EffectsBar::Enable() {
    const EffectsEnabling e = EffectsEnablingOf(outline_->isChecked(), shadow_->isChecked());
    sharpness_->SetEnabled(e.outline);
    outline_opacity_->SetEnabled(e.outline);
    outline_label_->setEnabled(e.outline);
    outline_color_->setEnabled(e.outline);
    angle_->SetEnabled(e.shadow);
    distance_->SetEnabled(e.shadow);
    shadow_opacity_->SetEnabled(e.shadow);
    shadow_label_->setEnabled(e.shadow);
    shadow_color_->setEnabled(e.shadow);
    strength_->SetEnabled(e.strength);
}

void EffectsBar::EditColor(HslF LogoParams::*member, const char* desc) {
    ColorBar::EditOneColor(this, mw, lf, member, desc);
    (member == &LogoParams::outline_color ? outline_color_ : shadow_color_)
        ->SetColor(Cur().lt.*member);
    Live();
}

}  // namespace vx
