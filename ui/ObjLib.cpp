#include "ui/ObjLib.h"

#include <QCursor>
#include <QEvent>
#include <QImage>
#include <QMouseEvent>
#include <QTimer>
#include <algorithm>

#include "render/FtText.h"
#include "session/ObjLibRules.h"
#include "shell/Checked.h"

namespace vx {

ObjLib::ObjLib(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

bool ObjLib::UpdatePage(int page, int sn) {
    p_.sel = -1;
    const ShapePages np = PageShapes(width(), height(), FtText::ShapeCount(), sn);
    if (np.itmpp == 0) {
        update();
        return false;
    }
    p_ = np;
    if (sn < 0 && p_.pages > 0) p_.page = std::clamp(page, 0, p_.pages - 1);
    VX_CHECK(p_.pages == 0 || p_.page < p_.pages, "page<pages");
    cells_.Render(p_, PaintedRows(height()));
    update();
    return true;
}

int ObjLib::UpdSel(int sn) {
    const int old_page = p_.page;
    const int old_sel = p_.sel;
    const int npg = SelectShape(p_, sn);
    if (npg >= 0 && npg != old_page) cells_.Render(p_, PaintedRows(height()));
    if (npg >= 0 || p_.sel != old_sel) update();
    return npg;
}

int ObjLib::ClickedShape() const {
    return vx::ClickedShape(p_, FtText::ShapeCount());
}

QPoint ObjLib::CellCentre(int ni) const {
    if (p_.columns == 0) return {};
    return {(ni % p_.columns) * SHAPE_CELL + SHAPE_CELL / 2,
            (ni / p_.columns) * SHAPE_CELL + SHAPE_CELL / 2};
}

void ObjLib::paintEvent(QPaintEvent*) {
    if (!timer_) {
        timer_ = new QTimer(this);
        connect(timer_, &QTimer::timeout, this,
                [this] { FollowCursor(mapFromGlobal(QCursor::pos())); });
        timer_->start(HOVER_MS);
    }
    QImage picture(size(), QImage::Format_RGB32);
    {
        QPainter p(&picture);
        cells_.Paint(p, width(), height(), hover_, p_.sel);
    }
    QPainter(this).drawImage(0, 0, picture);
}

void ObjLib::FollowCursor(QPoint pos) {
    if (!isEnabled()) return;
    const int n = LibCellAt(p_, pos.x(), pos.y(), width(), height());
    if (n == hover_) return;
    hover_ = n;
    update();
}

void ObjLib::mouseMoveEvent(QMouseEvent* e) {
    FollowCursor(e->position().toPoint());
}

void ObjLib::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return;
    p_.sel =
        LibCellAt(p_, e->position().toPoint().x(), e->position().toPoint().y(), width(), height());
    update();
    emit clicked();
}

void ObjLib::changeEvent(QEvent* e) {
    // A disabled panel shows no hover it can no longer follow.
    if (e->type() == QEvent::EnabledChange && !isEnabled() && hover_ != -1) {
        hover_ = -1;
        update();
    }
    QWidget::changeEvent(e);
}

}  // namespace vx
