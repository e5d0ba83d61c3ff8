// TmpDlg: the loading screen's picture, composed in code (the libraries that
// draw our captions are what it is waiting for): a light gradient, the program's
// name, the wait line and the progress of the loading.

#include <QLinearGradient>
#include <QPainter>

#include "ui/TmpDlg.h"

namespace vx {

namespace {

const QColor INK(81, 107, 135);
const QColor ACCENT(92, 158, 215);

QFont Sized(QFont f, int pixels, int weight) {
    f.setPixelSize(pixels);
    f.setWeight(static_cast<QFont::Weight>(weight));
    return f;
}

}  // namespace

void TmpDlg::PaintLoading(QPainter& p) const {
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, width(), height());
    sky.setColorAt(0, QColor(236, 236, 241));
    sky.setColorAt(1, QColor(134, 180, 202));
    p.fillRect(rect(), sky);

    // A ring of rays behind the name, the program's mark.
    const QPointF centre(width() / 2.0, 190);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 90));
    for (int k = 0; k < 24; ++k) {
        p.save();
        p.translate(centre);
        p.rotate(k * 15.0);
        p.drawPolygon(QPolygonF({QPointF(-9, -60), QPointF(9, -60), QPointF(0, -150)}));
        p.restore();
    }

    p.setPen(Qt::white);
    p.setFont(Sized(font(), 76, QFont::Black));
    p.drawText(QRectF(0, 140, width(), 100).translated(3, 3), Qt::AlignCenter, "VEXO LOGO");
    p.setPen(INK);
    p.drawText(QRectF(0, 140, width(), 100), Qt::AlignCenter, "VEXO LOGO");

    p.setFont(Sized(font(), 22, QFont::DemiBold));
    p.drawText(QRectF(0, 300, width(), 34), Qt::AlignCenter, "Loading... Please Wait");

    p.setFont(Sized(font(), 14, QFont::Normal));
    p.drawText(QRectF(0, 392, width(), 24), Qt::AlignCenter, status());

    // The progress bar of the step that counts (the templates).
    const QRectF bar(175, 422, 401, 10);
    p.setPen(QPen(INK, 1));
    p.setBrush(QColor(255, 255, 255, 150));
    p.drawRoundedRect(bar, 5, 5);
    if (total_ > 0) {
        p.setPen(Qt::NoPen);
        p.setBrush(ACCENT);
        p.drawRoundedRect(QRectF(bar.left(), bar.top(), bar.width() * done_ / total_, bar.height()),
                          5, 5);
    }
}

}  // namespace vx
