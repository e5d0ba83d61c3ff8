#pragma once

// The colour picker bar. It edits one colour at a time out of a list of colour
// variables through four linked views (palette, hue strip, saturation/lightness
// field, R/G/B edits polled every 100 ms) and shows the result in a swatch;
// every change is written into the variable and the logo is rebuilt live.
//
// Modeless, it is the main window's bar over the six colours of the Edit menu.
// Modal (EditOneColor), it edits the one colour a swatch of another bar stands
// for, over a copy of the document that Cancel restores.

#include <memory>

#include "session/ColorPicker.h"
#include "ui/bars/PropertyBar.h"

class QComboBox;
class QLineEdit;
class QTimer;

namespace vx {

class ColorBtn;
class HLPicker;
class HueSlider;
class SLSlider;

class ColorBar : public PropertyBar {
    Q_OBJECT

public:
    ColorBar(CZebDlg& mw, LeFile& le, std::vector<ColorVar> vars, int nc,
             QWidget* parent = nullptr);

    // The main window's colour bar, on entry `nc` of the six colours.
    static std::unique_ptr<ColorBar> Create(CZebDlg& mw, int nc);

    // Runs a one-colour picker over `owner` for `member` of the current object
    // of `le`, described as `desc`; on Cancel the whole document is restored as
    // it was. True on Ok.
    static bool EditOneColor(QWidget* owner, CZebDlg& mw, LeFile& le, HslF LogoParams::*member,
                             const char* desc);

    // Reads the R/G/B edits (the timer's tick).
    void PollRgb();

    QComboBox* selector() const { return selector_; }
    HLPicker* palette_view() const { return palette_; }
    HueSlider* hue_view() const { return hue_; }
    SLSlider* field_view() const { return field_; }
    QLineEdit* rgb_edit(int k) const { return rgb_[static_cast<std::size_t>(k)]; }
    ColorBtn* swatch() const { return swatch_; }

protected:
    void Apply() override {}  // the views write into the variable as they change
    // A closed bar stays in memory until the next one opens, while its
    // variables may already point into a restored document: it stops polling.
    void hideEvent(QHideEvent* e) override;

private:
    void BuildViews();
    void Select(int n);
    // Shows the variable in every view (the R/G/B edits unless they were the
    // source) and rebuilds the logo.
    void Sync(bool from_edits);

    ColorPicker picker_;
    QComboBox* selector_ = nullptr;
    SLSlider* field_ = nullptr;
    HueSlider* hue_ = nullptr;
    ColorBtn* swatch_ = nullptr;
    std::array<QLineEdit*, 3> rgb_{};
    HLPicker* palette_ = nullptr;
    QTimer* timer_ = nullptr;
    bool ready_ = false;
};

}  // namespace vx
