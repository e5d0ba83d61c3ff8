#pragma once

// The transform bar: rotation and bend of the current object. Bending is only
// reachable while the object is transformed.

#include "ui/bars/PropertyBar.h"

class QCheckBox;
class QRadioButton;

namespace vx {

class NumberTrio;

class TransformBar : public PropertyBar {
    Q_OBJECT

public:
    TransformBar(CZebDlg& mw, LeFile& le);

    QCheckBox* transform_check() const { return transform_; }
    QCheckBox* bend_check() const { return bend_; }
    NumberTrio* rotation() const { return rotation_; }
    NumberTrio* radius() const { return radius_; }
    QRadioButton* bend_inside() const { return inside_; }
    QRadioButton* bend_outside() const { return outside_; }

protected:
    void Apply() override;

private:
    void Enable();

    QCheckBox* transform_;
    QCheckBox* bend_;
    NumberTrio* rotation_;
    NumberTrio* radius_;
    QRadioButton* inside_;
    QRadioButton* outside_;
};

}  // namespace vx
