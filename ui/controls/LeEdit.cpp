#include "ui/controls/LeEdit.h"

#include <QImage>
#include <QPainter>

#include "render/Color.h"

namespace vx {

LeEdit::LeEdit(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

std::uint32_t LeEdit::RowColor(int y, int h) {
    const float t = h > 0 ? static_cast<float>(y) / static_cast<float>(h) : 0.0f;
    const auto mix = [t](float top, float bottom) {
        return static_cast<std::uint32_t>(top * (1.0f - t) + bottom * t);
    };
    return PackRgb(mix(134, 236), mix(180, 236), mix(202, 241));
}

void LeEdit::paintEvent(QPaintEvent*) {
    QImage picture(size(), QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y) {
        const auto c = static_cast<QRgb>(RowColor(y, picture.height()));
        QRgb* row = reinterpret_cast<QRgb*>(picture.scanLine(y));
        std::fill(row, row + picture.width(), c | 0xFF000000u);
    }
    QPainter(this).drawImage(0, 0, picture);
}

}  // namespace vx
