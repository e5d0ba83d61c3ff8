#include "ui/bars/ShapeSel.h"

#include <QPainter>
#include <algorithm>

#include "render/FtText.h"
#include "shell/Checked.h"
#include "ui/bars/PickerView.h"
#include "ui/controls/EngineImage.h"

namespace vx {

ShapeSel::ShapeSel(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ShapeSel::SetShape(const std::string& font, int shape) {
    if (font == font_ && shape == shape_) return;
    font_ = font;
    shape_ = shape;
    rendered_ = {};
    update();
}

void ShapeSel::paintEvent(QPaintEvent*) {
    const int w = width();
    const int h = height();
    if (rendered_ != size()) {
        LogoParams lt;
        lt.font = font_;
        lt.shape = shape_;
        lt.size = lt.width = std::max(1, std::min(w, h) - 5);
        FtText ft;
        VX_CALL(ft.Render(lt, 2, 0), "ft.Render(lt,2,FALSE)");
        VX_CALL(ft.BltToDC(lt, px_, w, h, 0, 0, true, true),
                "ft.BltToDC(lt,dc,dw,dh,0,0,rct.left,rct.top,bgc,TRUE,TRUE)");
        rendered_ = size();
    }
    QImage img = EngineImage(px_, w, h);
    if (img.isNull()) return;
    QPainter p(&img);
    DrawSunkenEdge(p, img.rect());
    p.end();
    QPainter(this).drawImage(0, 0, img);
}

}  // namespace vx
