#include "ui/controls/ZebSlider.h"

#include <QMouseEvent>
#include <QPainter>

#include "shell/Checked.h"
#include "ui/controls/LeStatic.h"

namespace vx {

namespace {
// The object library starts with this many pages until the first layout pages
// it for the window; the style library is paged by its owner from the start.
constexpr int INITIAL_OBJECT_PAGES = 60;
}  // namespace

ZebSlider::ZebSlider(LibraryKind kind, QWidget* parent) : HoverControl(parent), kind_(kind) {
    paging_.Set(kind == LibraryKind::Objects ? INITIAL_OBJECT_PAGES : 0, 0);
}

void ZebSlider::SetLabel(LeStatic* label) {
    label_ = label;
    UpdateLabel();
}

void ZebSlider::SetPages(int pages, int page) {
    paging_.Set(pages, page);
    UpdateLabel();
    update();
}

bool ZebSlider::Step(int step) {
    if (!paging_.Step(step)) return false;
    UpdateLabel();
    PageChanged();
    update();
    return true;
}

void ZebSlider::PageChanged() {
    // An empty library has no page to show.
    if (paging_.pages() == 0) return;
    VX_CHECK(paging_.PageValid(), "page<pages");
    if (!paging_.PageValid()) return;
    emit pageChanged(paging_.page());
}

void ZebSlider::UpdateLabel() {
    if (label_ != nullptr) label_->SetText(QString::fromStdString(paging_.Label(kind_)));
}

void ZebSlider::paintEvent(QPaintEvent*) {
    const int dx = width();
    if (picture_.size() != size()) picture_ = QImage(size(), QImage::Format_RGB32);
    {
        QPainter p(&picture_);
        // The strip's one column, repeated across the width.
        p.drawImage(QRect(0, 0, dx, height()), ControlArt::SliderStrip());
        if (paging_.HasThumb()) p.drawImage(paging_.ThumbX(dx), 0, ControlArt::Thumb(state()));
    }
    QPainter(this).drawImage(0, 0, picture_);
}

void ZebSlider::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return QWidget::mousePressEvent(e);
    // The page changes only when the mouse moves or on release.
    SetPressed(true);
}

void ZebSlider::mouseMoveEvent(QMouseEvent* e) {
    HoverControl::mouseMoveEvent(e);
    if (!pressed() || !isEnabled()) return;
    // The label follows the drag; the library is re-paged on release only.
    paging_.DragTo(e->position().toPoint().x(), width());
    UpdateLabel();
    update();
}

void ZebSlider::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton || !pressed()) return QWidget::mouseReleaseEvent(e);
    SetPressed(false);
    PageChanged();
}

}  // namespace vx
