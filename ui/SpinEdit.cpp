#include "ui/SpinEdit.h"

#include <algorithm>

namespace vx {

SpinEdit::SpinEdit(QWidget* parent) : QSpinBox(parent) {
    setRange(0, 99999);
}

void SpinEdit::SetSpinRange(int lo, int hi) {
    lo_ = lo;
    hi_ = hi;
}

void SpinEdit::stepBy(int steps) {
    // A typed value outside the range comes back into it at the first step.
    setValue(std::clamp(value() + steps, lo_, hi_));
    selectAll();
}

QAbstractSpinBox::StepEnabled SpinEdit::stepEnabled() const {
    StepEnabled on = StepNone;
    if (value() < hi_) on |= StepUpEnabled;
    if (value() > lo_) on |= StepDownEnabled;
    return on;
}

}  // namespace vx
