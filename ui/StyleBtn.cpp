#include "ui/StyleBtn.h"

#include <QMouseEvent>
#include <QPainter>

#include "render/Color.h"
#include "session/StyleRow.h"
#include "shell/Checked.h"
#include "ui/controls/CaptionStyle.h"
#include "ui/controls/EngineImage.h"

namespace vx {

namespace {
constexpr std::uint32_t SELECTED_BACK = PackRgb(220, 230, 240);
}  // namespace

StyleBtn::StyleBtn(int index, int nb, QWidget* parent)
    : HoverControl(parent), index_(index), nb_(nb) {
    resize(SIZE, SIZE);
}

void StyleBtn::SetStyle(const LogoParams& style) {
    lt_ = StyleVariant(style, index_, nb_);
    has_style_ = true;
    update();
}

void StyleBtn::SetSelected(bool on) {
    if (selected_ == on) return;
    selected_ = on;
    update();
}

void StyleBtn::paintEvent(QPaintEvent*) {
    const int dx = width();
    const int dy = height();
    const bool marked = selected_ && isEnabled();
    const std::uint32_t back = marked ? SELECTED_BACK : PANEL_BACKGROUND;
    if (has_style_) {
        const LogoParams lt = StylePreview(lt_, hot() && !selected_ && isEnabled());
        VX_CALL(ft_.Render(lt, 0, 1), "ft.Render(lt,0,1)");
        VX_CALL(ft_.BltToDC(lt, picture_, dx, dy, 0, back, true),
                "ft.BltToDC(lt,cdc,dx,dy,0,0,1,1,bgc,1)");
    } else {
        // An empty style library: the button stays a plain, usable square.
        picture_.assign(static_cast<std::size_t>(dx) * static_cast<std::size_t>(dy), back);
    }
    const QImage picture = EngineImage(picture_, dx, dy);
    if (picture.isNull()) return;
    QPainter p(this);
    p.drawImage(0, 0, picture);
    if (marked) {
        p.setPen(QColor(144, 163, 174));
        p.drawLine(0, 0, dx - 1, 0);
        p.drawLine(0, 0, 0, dy - 1);
        p.setPen(Qt::white);
        p.drawLine(0, dy - 1, dx - 1, dy - 1);
        p.drawLine(dx - 1, 0, dx - 1, dy - 1);
    }
}

void StyleBtn::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton || !isEnabled()) return;
    emit clicked(index_, lt_);
}

}  // namespace vx
