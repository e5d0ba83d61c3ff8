#pragma once

// The gradient bar: the two-colour gradient overlay of the current object, its
// colours with an opacity each and its angle, with a preview. The check box
// enables everything else.

#include "document/LogoParams.h"
#include "ui/bars/PropertyBar.h"

class QCheckBox;
class QLabel;

namespace vx {

class ColorBtn;
class GradPreview;
class NumberTrio;

class GradientBar : public PropertyBar {
    Q_OBJECT

public:
    GradientBar(CZebDlg& mw, LeFile& le);

    QCheckBox* grad_check() const { return grad_; }
    NumberTrio* opacity1() const { return opacity1_; }
    NumberTrio* opacity2() const { return opacity2_; }
    NumberTrio* angle() const { return angle_; }
    ColorBtn* swatch(int k) const { return k == 1 ? color1_ : color2_; }
    GradPreview* preview() const { return preview_; }

protected:
    void Apply() override;

private:
    void Enable();
    void ShowColors();
    void EditColor(HslF LogoParams::*member, const char* desc);

    QCheckBox* grad_;
    QLabel* label1_;
    QLabel* label2_;
    QLabel* preview_label_;
    ColorBtn* color1_;
    ColorBtn* color2_;
    NumberTrio* opacity1_;
    NumberTrio* opacity2_;
    NumberTrio* angle_;
    GradPreview* preview_;
};

}  // namespace vx
