#pragma once

// The colour bar's saturation/lightness field for one hue: saturation grows
// from left to right, lightness from top to bottom; the point (x, y) is 0..1.

#include "ui/bars/PickerView.h"

namespace vx {

class SLSlider : public PickerView {
    Q_OBJECT

public:
    using PickerView::PickerView;
    float x() const { return x_; }
    float y() const { return y_; }
    void SetPoint(float x, float y);
    void SetHue(float hue);  // 0..1
    QSize sizeHint() const override { return {160, 160}; }

protected:
    QImage Picture() const override;
    QPoint MarkerAt() const override;
    void PointAt(QPointF p) override;

private:
    float x_ = 0.0f;
    float y_ = 0.0f;
    float hue_ = 0.0f;
};

}  // namespace vx
