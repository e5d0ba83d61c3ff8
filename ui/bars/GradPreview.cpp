#include "ui/bars/GradPreview.h"

#include <QPainter>

#include "render/GradientPreview.h"
#include "ui/bars/PickerView.h"
#include "ui/controls/EngineImage.h"

namespace vx {

GradPreview::GradPreview(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void GradPreview::Set(const LogoParams& lt) {
    lt_ = lt;
    update();
}

void GradPreview::paintEvent(QPaintEvent*) {
    PaintGradientPreview(lt_, px_, width(), height());
    QImage img = EngineImage(px_, width(), height());
    if (img.isNull()) return;
    QPainter p(&img);
    if (!isEnabled())
        p.fillRect(img.rect(), QBrush(palette().color(QPalette::Window), Qt::DiagCrossPattern));
    DrawSunkenEdge(p, img.rect());
    p.end();
    QPainter(this).drawImage(0, 0, img);
}

}  // namespace vx
