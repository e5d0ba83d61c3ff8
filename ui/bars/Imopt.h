#pragma once

// The image object bar: output size (with a proportion lock), rotation and
// solid colour of the current shape object, its shape shown beside
// "Select Shape From Library...", which runs the image bar over a working copy
// of the logo.

#include "ui/bars/PropertyBar.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace vx {

class ColorBtn;
class NumberTrio;
class ShapeSel;

class Imopt : public PropertyBar {
    Q_OBJECT

public:
    Imopt(CZebDlg& mw, LeFile& le);

    QCheckBox* constrain() const { return constrain_; }
    NumberTrio* height_trio() const { return height_; }
    NumberTrio* rotation() const { return rotation_; }
    QPushButton* library_button() const { return library_; }
    ColorBtn* swatch() const { return swatch_; }

protected:
    void Apply() override;

private:
    void ShowConstrain();
    void SelectFromLibrary();
    void EditColor();

    ShapeSel* shape_;
    QPushButton* library_;
    QCheckBox* constrain_;
    NumberTrio* width_;
    NumberTrio* height_;
    NumberTrio* rotation_;
    QLabel* swatch_label_;
    ColorBtn* swatch_;
};

}  // namespace vx
