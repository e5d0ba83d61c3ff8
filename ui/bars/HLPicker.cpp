#include "ui/bars/HLPicker.h"

#include <QBitmap>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>

#include "render/Color.h"
#include "session/ColorPicker.h"
#include "ui/bars/PickerView.h"

namespace vx {

namespace {

float F(int v) {
    return static_cast<float>(v);
}

// The palette's own pointer: a 32 x 32 monochrome dropper whose tip, the hot
// spot, is at (11, 20). Drawn once, on first use.
const QCursor& DropperCursor() {
    static const QCursor cursor = [] {
        QBitmap shape(32, 32);
        QBitmap mask(32, 32);
        shape.fill(Qt::color0);
        mask.fill(Qt::color0);
        const QPolygon body({{11, 20}, {13, 14}, {21, 6}, {25, 10}, {17, 18}});
        for (QBitmap* b : {&shape, &mask}) {
            QPainter p(b);
            p.setPen(QPen(Qt::color1, b == &mask ? 3 : 1));
            p.setBrush(b == &mask ? QBrush(Qt::color1) : QBrush(Qt::NoBrush));
            p.drawPolygon(body);
            p.setBrush(Qt::color1);
            p.drawEllipse(QPoint(24, 7), 3, 3);
        }
        return QCursor(shape, mask, 11, 20);
    }();
    return cursor;
}

}  // namespace

HLPicker::HLPicker(QWidget* parent) : QWidget(parent) {
    setCursor(DropperCursor());
}

float HLPicker::CellW() const {
    return static_cast<float>(width() - 2) / PALETTE_COLUMNS;
}
float HLPicker::CellH() const {
    return static_cast<float>(height() - 2) / PALETTE_ROWS;
}

QPoint HLPicker::CellCentre(int column, int row) const {
    return {static_cast<int>((static_cast<float>(column) + 0.5f) * CellW()) + 1,
            static_cast<int>((static_cast<float>(row) + 0.5f) * CellH()) + 1};
}

void HLPicker::paintEvent(QPaintEvent*) {
    QImage img(size(), QImage::Format_RGB32);
    img.fill(Qt::black);
    QPainter p(&img);
    const float cw = CellW();
    const float ch = CellH();
    for (int r = 0; r < PALETTE_ROWS; ++r)
        for (int c = 0; c < PALETTE_COLUMNS; ++c) {
            const int x0 = static_cast<int>(std::floor(F(c) * cw)) + 1;
            const int x1 = static_cast<int>(std::ceil(F(c + 1) * cw)) + 1;
            const int y0 = static_cast<int>(std::floor(F(r) * ch)) + 1;
            const int y1 = static_cast<int>(std::ceil(F(r + 1) * ch)) + 1;
            p.fillRect(x0, y0, x1 - x0, y1 - y0, QColor::fromRgb(HslToRgb(PaletteColor(c, r))));
        }
    p.setPen(Qt::black);
    for (int k = 1; k < PALETTE_ROWS; ++k) {
        const int y = static_cast<int>(F(k) * ch + 1);
        p.drawLine(0, y, width(), y);
    }
    for (int k = 1; k < PALETTE_COLUMNS; ++k) {
        const int x = static_cast<int>(F(k) * cw + 1);
        p.drawLine(x, 0, x, height());
    }
    DrawSunkenEdge(p, img.rect());
    p.end();
    QPainter(this).drawImage(0, 0, img);
}

void HLPicker::mousePressEvent(QMouseEvent* e) {
    pressed_ = false;
    const QPoint pos = e->pos();
    if (e->button() != Qt::LeftButton || pos.x() <= 0 || pos.y() <= 0 || pos.x() >= width() - 1 ||
        pos.y() >= height() - 1)
        return;
    const int c = static_cast<int>(static_cast<float>(pos.x() - 1) / CellW());
    const int r = static_cast<int>(static_cast<float>(pos.y() - 1) / CellH());
    if (c < 0 || c >= PALETTE_COLUMNS || r < 0 || r >= PALETTE_ROWS) return;
    picked_ = PaletteColor(c, r);
    pressed_ = true;
}

void HLPicker::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton && pressed_ && rect().contains(e->pos())) emit clicked();
    pressed_ = false;
}

}  // namespace vx
