#include "ui/bars/SLSlider.h"

#include "render/Color.h"

namespace vx {

void SLSlider::SetPoint(float x, float y) {
    x_ = x;
    y_ = y;
    update();
}

void SLSlider::SetHue(float hue) {
    hue_ = hue;
    update();
}

QImage SLSlider::Picture() const {
    const int w = width();
    const int h = height();
    QImage img(w, h, QImage::Format_RGB32);
    const float hue = hue_ * 239.0f;
    for (int y = 0; y < h; ++y) {
        auto* row = reinterpret_cast<QRgb*>(img.scanLine(y));
        const float l = h > 1 ? static_cast<float>(y) * 240.0f / static_cast<float>(h - 1) : 0;
        for (int x = 0; x < w; ++x) {
            const float s = w > 1 ? static_cast<float>(x) * 240.0f / static_cast<float>(w - 1) : 0;
            row[x] = HslToRgb({hue, s, l});
        }
    }
    return img;
}

QPoint SLSlider::MarkerAt() const {
    return {static_cast<int>(x_ * static_cast<float>(width())),
            static_cast<int>(y_ * static_cast<float>(height()))};
}

void SLSlider::PointAt(QPointF p) {
    x_ = width() > 0 ? static_cast<float>(p.x() / width()) : 0.0f;
    y_ = height() > 0 ? static_cast<float>(p.y() / height()) : 0.0f;
}

}  // namespace vx
