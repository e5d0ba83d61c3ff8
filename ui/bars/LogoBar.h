#pragma once

// The logo bar: shifts the hue, saturation and lightness of every colour of the
// logo (or of the current object, with or without the background) from the
// colours as they were when the bar opened, centres the objects, and switches
// between the automatic and a fixed canvas size.

#include "render/ColorShift.h"
#include "ui/bars/PropertyBar.h"

class QCheckBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vx {

class NumberTrio;
class SpinButton;

class LogoBar : public PropertyBar {
    Q_OBJECT

public:
    LogoBar(CZebDlg& mw, LeFile& le);

    NumberTrio* hue() const { return hue_; }
    NumberTrio* saturation() const { return saturation_; }
    NumberTrio* lightness() const { return lightness_; }
    QCheckBox* current_only() const { return current_only_; }
    QCheckBox* background() const { return background_; }
    QPushButton* center_button() const { return center_; }
    QCheckBox* fixed_check() const { return fixed_; }
    QLineEdit* canvas_edit(int k) const { return k == 0 ? width_ : height_; }

    // The two shift check boxes keep their state for the whole run.
    static bool kept_current_only;
    static bool kept_background;

protected:
    void Apply() override;

private:
    QLineEdit* AddSizeRow(QGridLayout* grid, int row, const char* caption);
    void Collect();
    void FixedToggled();
    void SizeEdited();
    void Center();

    NumberTrio* hue_;
    NumberTrio* saturation_;
    NumberTrio* lightness_;
    QCheckBox* current_only_;
    QCheckBox* background_;
    QPushButton* center_;
    QCheckBox* fixed_;
    QLineEdit* width_;
    QLineEdit* height_;
    std::vector<QWidget*> size_controls_;
    ColorShift shift_;
    bool ready_ = false;
};

}  // namespace vx
