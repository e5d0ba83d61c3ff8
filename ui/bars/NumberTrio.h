#pragma once

// One numeric parameter of a bar: a caption, a Slider, its read-only number
// edit and (unless the range is empty) a spin button on that edit. A slider
// drag or a spin step rewrites the edit; every slider move and every other
// change of the edit's text is reported once as changed(), where the bar
// applies its whole set.

#include <QObject>

#include "session/SliderScale.h"

class QGridLayout;
class QLabel;
class QLineEdit;

namespace vx {

class Slider;
class SpinButton;

struct TrioRange {
    int min, max;            // the slider's integer range
    int spin_min, spin_max;  // the spin's, at least as wide; equal ends: no spin
    SliderMode mode = SliderMode::INTEGER;
};

class NumberTrio : public QObject {
    Q_OBJECT

public:
    // Adds the caption and the controls as row `row` of `grid` from `column`.
    NumberTrio(QGridLayout* grid, int row, int column, const QString& caption, TrioRange range);

    // Shows a fraction (opacities, rotation): slider at `f`, edit from it.
    void SetFraction(float f);
    // Shows an integer parameter: the edit holds it, the slider its clamp.
    void SetInt(int v);
    // The edit's signed integer and the slider's exact fraction.
    int Int() const;
    float Fraction() const;

    void SetEnabled(bool on);
    void SetCaption(const QString& caption);

    Slider* slider() const { return slider_; }
    QLineEdit* edit() const { return edit_; }
    SpinButton* spin() const { return spin_; }

signals:
    void changed();

private:
    void Step(int delta);

    TrioRange range_;
    QLabel* label_;
    Slider* slider_;
    QLineEdit* edit_;
    SpinButton* spin_ = nullptr;
};

}  // namespace vx
