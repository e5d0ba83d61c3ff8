#include "ui/bars/HueSlider.h"

#include "render/Color.h"

namespace vx {

void HueSlider::SetValue(float v) {
    value_ = v;
    update();
}

QImage HueSlider::Picture() const {
    const int w = width();
    const int h = height();
    QImage img(w, h, QImage::Format_RGB32);
    for (int x = 0; x < w; ++x) {
        const float hue = w > 1 ? static_cast<float>(x) / static_cast<float>(w - 1) * 239.0f : 0;
        const QRgb c = HslToRgb({hue, 240, 120});
        for (int y = 0; y < h; ++y) img.setPixel(x, y, c);
    }
    return img;
}

QPoint HueSlider::MarkerAt() const {
    return {static_cast<int>((value_ * 0.96f + 0.02f) * static_cast<float>(width())), height() / 2};
}

void HueSlider::PointAt(QPointF p) {
    value_ = width() > 0 ? static_cast<float>(p.x() / width()) : 0.0f;
}

}  // namespace vx
