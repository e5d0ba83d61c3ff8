#pragma once

// The colour bar's hue strip: every hue from left to right at full saturation
// and middle lightness; the value 0..1 is the hue / 239.

#include "ui/bars/PickerView.h"

namespace vx {

class HueSlider : public PickerView {
    Q_OBJECT

public:
    using PickerView::PickerView;
    float value() const { return value_; }
    void SetValue(float v);
    QSize sizeHint() const override { return {160, 20}; }

protected:
    QImage Picture() const override;
    QPoint MarkerAt() const override;
    void PointAt(QPointF p) override;

private:
    float value_ = 0.0f;
};

}  // namespace vx
