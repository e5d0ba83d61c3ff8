#include "ui/OutWnd.h"

#include <QMouseEvent>
#include <QPainter>

#include "session/Backdrop.h"
#include "session/DragRules.h"
#include "shell/Checked.h"
#include "ui/CZebDlg.h"
#include "ui/ObjWnd.h"
#include "ui/controls/EngineImage.h"

namespace vx {

namespace {

constexpr int OUT_WND_MRG = 20;
const QColor FRAME_COLOR(63, 115, 141);

}  // namespace

OutWnd::OutWnd(CZebDlg* mw, ObjWnd* ow, QWidget* parent) : QWidget(parent), mw_(mw), ow_(ow) {
    setAttribute(Qt::WA_OpaquePaintEvent);  // no erase: painting never flickers
}

void OutWnd::UpdateBackground() {
    bg_ = BuildBackdrop(width(), height());
    bg_w_ = width();
    bg_h_ = height();
}

QRect OutWnd::CanvasRect() const {
    const ObjectBitmap& ob = LeFile::ob;
    return QRect((width() - ob.dw) / 2, (height() - ob.dh) / 2, ob.dw, ob.dh);
}

void OutWnd::paintEvent(QPaintEvent*) {
    const ObjectBitmap& ob = LeFile::ob;
    const int W = width();
    const int H = height();
    QPainter p(this);
    if (!(ob.dw < W && ob.dh < H)) {
        p.fillRect(rect(), palette().window());  // no canvas fits: the panel shows
        return;
    }
    const QRect c = CanvasRect();
    // The bands around the canvas come from the texture at the same places.
    const QImage bg = EngineImage(bg_.data(), bg_.size(), bg_w_, bg_h_);
    if (!bg.isNull()) {
        const QRect bands[] = {QRect(0, 0, W, c.top()), QRect(0, c.top(), c.left(), c.height()),
                               QRect(c.right() + 1, c.top(), W - c.right() - 1, c.height()),
                               QRect(0, c.bottom() + 1, W, H - c.bottom() - 1)};
        for (const QRect& r : bands) p.drawImage(r.topLeft(), bg, r);
    }
    const QImage canvas = EngineImage(ob.dta.data(), ob.dta.size(), ob.dw, ob.dh);
    if (canvas.isNull())
        p.fillRect(c, Qt::white);
    else
        p.drawImage(c.topLeft(), canvas);
    if (le && !le->fixed_canvas) {
        p.setPen(FRAME_COLOR);
        p.drawRect(c.adjusted(-1, -1, 0, 0));  // just outside the canvas
    }
}

QPoint OutWnd::DocPoint(QPoint p) const {
    return QPoint(p.x() - width() / 2, p.y() - height() / 2);
}

void OutWnd::Reassemble(int margin) {
    if (!le) return;
    const QRect before = CanvasRect();
    VX_CALL(le->Update(width() - margin, height() - margin, -1, -1),
            "le->Update(rct.Width()-OUT_WND_MRG,rct.Height()-OUT_WND_MRG,-1,-1)");
    // While the canvas keeps its place, the textured bands around it stand.
    const QRect after = CanvasRect();
    if (after == before)
        update(after.adjusted(-1, -1, 1, 1));
    else
        update();
    ow_->le = le;
    ow_->update();
}

void OutWnd::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton || !le) return;
    const QPoint c = DocPoint(e->position().toPoint());
    const int n = PickObject(*le, c.x(), c.y());
    if (n >= 0) {
        if (!bar_modal) VX_CALL(le->SetCurObj(n), "le->SetCurObj(n)");
        dragging_ = true;
        drag_ = n;
        grab_dx_ = c.x() - le->obj[n]->x;
        grab_dy_ = c.y() - le->obj[n]->y;
    }
    Reassemble(OUT_WND_MRG);
}

void OutWnd::mouseMoveEvent(QMouseEvent* e) {
    if (!dragging_ || !le || drag_ >= le->objs) return;
    const QPoint c = DocPoint(e->position().toPoint());
    LogoObject& o = *le->obj[drag_];
    o.x = c.x() - grab_dx_;
    o.y = c.y() - grab_dy_;
    Reassemble(OUT_WND_MRG);
}

void OutWnd::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton || !dragging_) return;
    dragging_ = false;
    if (!le || drag_ >= le->objs) return;
    LogoObject& o = *le->obj[drag_];
    ClampToWindow(o.x, o.y, width(), height());
    if (!bar_modal) {
        mw_->s.Track();
        VX_CALL(mw_->UpdateEditMenu(), "mw->UpdateEditMenu()");
    }
    Reassemble(0);
    VX_CALL(mw_->UpdateLibSel(), "mw->UpdateLibSel()");
}

}  // namespace vx
