#include "ui/TmpPrev.h"

#include <QMouseEvent>
#include <QPainter>

#include "session/TemplateChoice.h"

namespace vx {

TmpPrev::TmpPrev(QWidget* parent) : HoverControl(parent) {
    setCursor(Qt::PointingHandCursor);
}

void TmpPrev::SetImage(const TemplatePicture* normal, const TemplatePicture* hot, const HslF& bgc) {
    normal_ = normal;
    hot_ = hot;
    fill_ = PreviewFill(bgc);
    hot_fill_ = PreviewHighlight(fill_);
    update();
}

void TmpPrev::paintEvent(QPaintEvent*) {
    // Composed off-screen, then drawn in one step.
    QImage picture(size(), QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter p(&picture);
    p.fillRect(rect().adjusted(1, 1, -1, -1), QColor::fromRgb(hot() ? hot_fill_ : fill_));
    const TemplatePicture* pic = hot() ? hot_ : normal_;
    if (pic && pic->w > 0 && pic->h > 0) {
        // The decoded picture's top byte is its alpha: a transparent GIF colour
        // shows the fill.
        const QImage img(reinterpret_cast<const uchar*>(pic->px.data()), pic->w, pic->h, pic->w * 4,
                         QImage::Format_ARGB32);
        p.drawImage((width() - pic->w) / 2, (height() - pic->h) / 2, img);
    }
    p.end();
    QPainter(this).drawImage(0, 0, picture);
}

void TmpPrev::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) SetPressed(true);
}

void TmpPrev::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton || !pressed()) return;
    SetPressed(false);
    if (rect().contains(e->position().toPoint())) emit clicked();
}

}  // namespace vx
