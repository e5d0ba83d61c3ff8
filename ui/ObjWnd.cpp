#include "ui/ObjWnd.h"

#include <QMouseEvent>
#include <QPainter>

#include "session/EditMenu.h"
#include "shell/Checked.h"
#include "ui/CZebDlg.h"
#include "ui/controls/ControlArt.h"
#include "ui/controls/EngineImage.h"

namespace vx {

namespace {

const QColor SHADE(144, 163, 174);

}  // namespace

ObjWnd::ObjWnd(CZebDlg* mw, QWidget* parent) : QWidget(parent), mw_(mw) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(ControlArt::ResizeCursor());
}

void ObjWnd::paintEvent(QPaintEvent*) {
    const ObjectBitmap& ob = LeFile::ob;
    // Until the preview is assembled for this size there is nothing true to show.
    QPainter p(this);
    if (width() != ob.cdw || height() != ob.cdh) {
        p.fillRect(rect(), palette().window());
        return;
    }
    const QImage img = EngineImage(ob.cdta.data(), ob.cdta.size(), ob.cdw, ob.cdh);
    if (!img.isNull()) p.drawImage(0, 0, img);
    const int r = width() - 1;
    const int b = height() - 1;
    p.setPen(SHADE);
    p.drawLine(0, 0, r, 0);
    p.drawLine(0, 0, 0, b);
    p.setPen(Qt::white);
    p.drawLine(0, b, r, b);
    p.drawLine(r, 0, r, b);
}

void ObjWnd::mousePressEvent(QMouseEvent* e) {
    // Objects but none current (a project saved so) is no fault: nothing to resize.
    if (e->button() != Qt::LeftButton || !le || !HasCurrent(*le)) return;
    const LogoParams& lt = le->obj[le->cur]->lt;
    drag_ = ResizeDrag{e->position().toPoint().x(), lt.width, lt.size};
    dragging_ = true;
}

void ObjWnd::mouseMoveEvent(QMouseEvent* e) {
    if (!dragging_ || !le || !HasCurrent(*le)) return;
    if (drag_.Apply(e->position().toPoint().x(), width(), le->obj[le->cur]->lt))
        VX_CALL(mw_->UpdateOutWnd(le), "mw->UpdateOutWnd(le)");
}

void ObjWnd::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton || !dragging_) return;
    dragging_ = false;
    if (bar_modal) return;
    mw_->s.Track();
    VX_CALL(mw_->UpdateEditMenu(), "mw->UpdateEditMenu()");
}

}  // namespace vx
