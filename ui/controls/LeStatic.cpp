#include "ui/controls/LeStatic.h"

#include <QPainter>

#include "shell/Buffers.h"
#include "shell/Checked.h"
#include "ui/controls/CaptionStyle.h"
#include "ui/controls/EngineImage.h"

namespace vx {

namespace {
constexpr float LABEL_SHADOW_OPACITY = 0.25f;
}  // namespace

LeStatic::LeStatic(const QString& text, QWidget* parent) : QWidget(parent), text_(text) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void LeStatic::SetText(const QString& text) {
    if (text == text_) return;
    text_ = text;
    update();
}

void LeStatic::SetTextSize(int size) {
    text_size_ = size;
    update();
}

void LeStatic::paintEvent(QPaintEvent*) {
    const int dx = width();
    const int dy = height();
    const auto area = CheckedArea(dx, dy);
    if (!area || *area == 0) return;
    LogoParams lt =
        CaptionParams(CaptionBytes(text_.toStdU32String()), LABEL_FACE, text_size_, CAPTION_NORMAL);
    lt.shadow_opacity = LABEL_SHADOW_OPACITY;
    VX_CALL(ft_.Render(lt, 0, 0), "ft.Render(lt,0,0)");
    VX_CALL(ft_.BltToDC(lt, picture_, dx, dy, 0, PANEL_BACKGROUND),
            "ft.BltToDC(lt,cdc,dx,dy,0,0,0,0,RGB_MAKE(236,236,241),1)");
    const QImage picture = EngineImage(picture_, dx, dy);
    if (!picture.isNull()) QPainter(this).drawImage(0, 0, picture);
}

}  // namespace vx
