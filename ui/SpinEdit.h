#pragma once

// A numbers-only edit with an up-down buddy whose range is narrower than what
// may be typed: the export dialog's scale spins over 10..1000 but 5000 can be
// typed, and 0 too (the dialog then clamps what it uses). The arrows step
// within the spin range; typing accepts any number of up to five digits.

#include <QSpinBox>

namespace vx {

class SpinEdit : public QSpinBox {
    Q_OBJECT
public:
    explicit SpinEdit(QWidget* parent = nullptr);

    void SetSpinRange(int lo, int hi);

    void stepBy(int steps) override;

protected:
    StepEnabled stepEnabled() const override;

private:
    int lo_ = 0;
    int hi_ = 100;
};

}  // namespace vx
