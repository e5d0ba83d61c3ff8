#include "ui/controls/LeButton.h"

#include <QMouseEvent>
#include <QPainter>

#include "shell/Buffers.h"
#include "shell/Checked.h"
#include "ui/controls/CaptionStyle.h"
#include "ui/controls/EngineImage.h"

namespace vx {

namespace {
constexpr int CAPTION_SIZE = 11;
constexpr int ICON_SIZE = 16;
constexpr int ICON_Y = 19;              // centre of the icon from the top
constexpr int CAPTION_OVER_ICON_Y = 7;  // caption centre when an icon sits below it
}  // namespace

LeButton::LeButton(const QString& caption, QWidget* parent)
    : HoverControl(parent), caption_(caption) {}

void LeButton::SetCaption(const QString& caption) {
    if (caption == caption_) return;
    caption_ = caption;
    update();
}

void LeButton::SetIcon(int glyph, float angle) {
    icon_ = glyph;
    icon_angle_ = angle;
    update();
}

void LeButton::SetPopupMenu(QMenu* menu) {
    if (menu_) disconnect(menu_, nullptr, this, nullptr);
    menu_ = menu;
    // The menu takes the mouse while open; the button is released when it closes.
    if (menu_) connect(menu_, &QMenu::aboutToHide, this, [this] { SetPressed(false); });
}

void LeButton::SetBlink(bool on) {
    hover().SetBlink(on);
    MoTimer();
}

std::uint32_t LeButton::CaptionColor() const {
    if (!isEnabled()) return CAPTION_DISABLED;
    return hot() || pressed() ? CAPTION_HOT : CAPTION_NORMAL;
}

void LeButton::paintEvent(QPaintEvent*) {
    const int dx = width();
    const int dy = height();
    const auto area = CheckedArea(dx, dy);
    if (!area || *area == 0 || !AllocBuffer(picture_, *area, PANEL_BACKGROUND)) return;
    QImage canvas = EngineImage(picture_, dx, dy);
    {
        QPainter face(&canvas);
        ControlArt::PaintButtonFace(face, size(), state(), isEnabled());
    }
    const std::uint32_t color = CaptionColor();
    if (!caption_.isEmpty()) {
        const LogoParams lt = CaptionParams(CaptionBytes(caption_.toStdU32String()), CAPTION_FACE,
                                            CAPTION_SIZE, color);
        VX_CALL(text_.Render(lt, 0, 0), "ft.Render(lt,0,0)");
        const int cy = icon_ != 0 ? CAPTION_OVER_ICON_Y : dy / 2 - 1;
        VX_CALL(text_.BltToBuf(lt, picture_.data(), dx, dy, dx / 2, cy, 1, 1),
                "ft.BltToBuf(lt,dta,dx,dy,dx/2,dy/2-1,1,1)");
    }
    if (icon_ != 0) {
        const LogoParams lt =
            IconParams(ICON_FACE, icon_, ICON_SIZE, ICON_SIZE, icon_angle_, color);
        VX_CALL(icon_text_.Render(lt, 0, 0), "ft.Render(lt,0,0)");
        VX_CALL(icon_text_.BltToBuf(lt, picture_.data(), dx, dy, dx / 2, ICON_Y, 1, 1),
                "ft.BltToBuf(lt,dta,dx,dy,dx/2,19,1,1)");
    }
    QPainter(this).drawImage(0, 0, canvas);
}

void LeButton::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return QWidget::mousePressEvent(e);
    SetPressed(true);
    if (menu_)
        ShowMenu(e->position().toPoint());
    else
        emit pressedDown();
}

void LeButton::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return QWidget::mouseReleaseEvent(e);
    SetPressed(false);
}

void LeButton::ShowMenu(QPoint at) {
    emit menuRequested();
    if (menu_->isEmpty()) {
        SetPressed(false);
        return;
    }
    const QPoint global = mapToGlobal(at);
    menu_->popup(global - QPoint(menu_->sizeHint().width() / 2, 0));
}

}  // namespace vx
