#include "ui/controls/ControlArt.h"

#include <QLinearGradient>
#include <QPainterPath>

#include <array>

namespace vx {

namespace {

// One palette for every control: faces lift off the panel grey, borders and
// glyphs take the caption blues.
struct Look {
    QColor top, bottom, border, glyph;
};

Look LookOf(ControlState s, bool enabled = true) {
    if (!enabled)
        return {QColor(246, 246, 249), QColor(232, 233, 238), QColor(200, 206, 214),
                QColor(184, 193, 202)};
    switch (s) {
        case ControlState::Hot:
            return {QColor(250, 252, 255), QColor(214, 229, 244), QColor(92, 158, 215),
                    QColor(92, 158, 215)};
        case ControlState::Pressed:
            return {QColor(196, 212, 230), QColor(224, 232, 242), QColor(66, 118, 168),
                    QColor(66, 118, 168)};
        case ControlState::Normal:
            break;
    }
    return {QColor(252, 252, 253), QColor(222, 226, 234), QColor(158, 172, 190),
            QColor(81, 107, 135)};
}

const QColor PANEL(236, 236, 241);

int Index(ControlState s) {
    return static_cast<int>(s);
}

void PaintFace(QPainter& p, QRectF r, const Look& look, qreal radius) {
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, look.top);
    g.setColorAt(1, look.bottom);
    p.setPen(QPen(look.border, 1));
    p.setBrush(g);
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
}

QImage Panel(int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(PANEL);
    return img;
}

QImage MakeArrow(int step, ControlState s) {
    QImage img = Panel(ControlArt::ARROW_SIZE, ControlArt::ARROW_SIZE);
    QPainter p(&img);
    const Look look = LookOf(s);
    PaintFace(p, QRectF(0, 0, img.width(), img.height()), look, 3);
    // A solid triangle, nudged down and right by one pixel while pressed.
    const qreal dip = s == ControlState::Pressed ? 1 : 0;
    const qreal cx = 8.5 + dip + (step < 0 ? -0.5 : 0.5);
    const qreal cy = 8.5 + dip;
    const qreal dir = step < 0 ? -1 : 1;
    QPainterPath tri;
    tri.moveTo(cx + dir * 3, cy);
    tri.lineTo(cx - dir * 2, cy - 4);
    tri.lineTo(cx - dir * 2, cy + 4);
    tri.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(look.glyph);
    p.drawPath(tri);
    return img;
}

QImage MakeStrip() {
    QImage img = Panel(1, ControlArt::SLIDER_HEIGHT);
    // An engraved groove through the middle: shadow, track, highlight.
    img.setPixelColor(0, 7, QColor(170, 182, 198));
    img.setPixelColor(0, 8, QColor(206, 214, 224));
    img.setPixelColor(0, 9, QColor(206, 214, 224));
    img.setPixelColor(0, 10, QColor(252, 252, 253));
    return img;
}

QImage MakeThumb(ControlState s) {
    QImage img(ControlArt::THUMB_WIDTH, ControlArt::SLIDER_HEIGHT, QImage::Format_RGB32);
    QPainter p(&img);
    // The groove shows at the rounded corners.
    p.drawImage(img.rect(), ControlArt::SliderStrip());
    const Look look = LookOf(s);
    PaintFace(p, QRectF(0, 1, img.width(), img.height() - 2), look, 4);
    // Three grip lines in the middle.
    p.setRenderHint(QPainter::Antialiasing, false);
    for (int k = -1; k <= 1; ++k) {
        const int x = img.width() / 2 + 3 * k;
        p.setPen(look.glyph);
        p.drawLine(x, 5, x, 11);
    }
    return img;
}

}  // namespace

const QImage& ControlArt::Arrow(int step, ControlState state) {
    static const std::array<std::array<QImage, 3>, 2> arrows = [] {
        std::array<std::array<QImage, 3>, 2> a;
        for (int s = 0; s < 3; ++s) {
            a[0][s] = MakeArrow(-1, static_cast<ControlState>(s));
            a[1][s] = MakeArrow(+1, static_cast<ControlState>(s));
        }
        return a;
    }();
    return arrows[step < 0 ? 0 : 1][Index(state)];
}

const QImage& ControlArt::SliderStrip() {
    static const QImage strip = MakeStrip();
    return strip;
}

const QImage& ControlArt::Thumb(ControlState state) {
    static const std::array<QImage, 3> thumbs = {MakeThumb(ControlState::Normal),
                                                 MakeThumb(ControlState::Hot),
                                                 MakeThumb(ControlState::Pressed)};
    return thumbs[Index(state)];
}

void ControlArt::PaintButtonFace(QPainter& p, QSize size, ControlState state, bool enabled) {
    p.fillRect(QRect(QPoint(0, 0), size), PANEL);
    PaintFace(p, QRectF(0, 0, size.width(), size.height()), LookOf(state, enabled), 3);
}

QCursor ControlArt::ResizeCursor() {
    // A diagonal double arrow, black with a white rim, hot spot in the middle.
    QImage img(32, 32, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath path;
    const QPointF a(6, 6), b(26, 26);
    path.moveTo(a);
    path.lineTo(a + QPointF(8, 0));
    path.lineTo(a + QPointF(5, 3));
    path.lineTo(b - QPointF(3, 5));
    path.lineTo(b - QPointF(0, 8));
    path.lineTo(b);
    path.lineTo(b - QPointF(8, 0));
    path.lineTo(b - QPointF(5, 3));
    path.lineTo(a + QPointF(3, 5));
    path.lineTo(a + QPointF(0, 8));
    path.closeSubpath();
    p.setPen(QPen(Qt::white, 1.5));
    p.setBrush(QColor(20, 28, 40));
    p.drawPath(path);
    p.end();
    return QCursor(QPixmap::fromImage(img), 16, 16);
}

}  // namespace vx
