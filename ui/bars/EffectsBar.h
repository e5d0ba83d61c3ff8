#pragma once

// The effects bar: outline and drop shadow of the current object and the
// strength both share. Controls are enabled by their check box; every change
// writes the whole set.

#include "document/LogoParams.h"
#include "ui/bars/PropertyBar.h"

class QCheckBox;
class QLabel;

namespace vx {

class ColorBtn;
class NumberTrio;

class EffectsBar : public PropertyBar {
    Q_OBJECT

public:
    EffectsBar(CZebDlg& mw, LeFile& le);

    QCheckBox* outline_check() const { return outline_; }
    QCheckBox* shadow_check() const { return shadow_; }
    NumberTrio* strength() const { return strength_; }
    NumberTrio* sharpness() const { return sharpness_; }
    NumberTrio* outline_opacity() const { return outline_opacity_; }
    NumberTrio* shadow_angle() const { return angle_; }
    NumberTrio* shadow_distance() const { return distance_; }
    NumberTrio* shadow_opacity() const { return shadow_opacity_; }
    ColorBtn* outline_swatch() const { return outline_color_; }
    ColorBtn* shadow_swatch() const { return shadow_color_; }

protected:
    void Apply() override;

private:
    void Enable();
    void EditColor(HslF LogoParams::*member, const char* desc);

    QCheckBox* outline_;
    QCheckBox* shadow_;
    NumberTrio* strength_;
    NumberTrio* sharpness_;
    NumberTrio* outline_opacity_;
    NumberTrio* angle_;
    NumberTrio* distance_;
    NumberTrio* shadow_opacity_;
    QLabel* outline_label_;
    QLabel* shadow_label_;
    ColorBtn* outline_color_;
    ColorBtn* shadow_color_;
};

}  // namespace vx
