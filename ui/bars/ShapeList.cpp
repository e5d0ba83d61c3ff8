#include "ui/bars/ShapeList.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "render/Color.h"
#include "render/FtText.h"
#include "shell/Checked.h"
#include "ui/controls/EngineImage.h"

namespace vx {

namespace {

constexpr std::uint32_t NORMAL_FILL = PackRgb(134, 180, 202);
constexpr std::uint32_t NORMAL_BACK = PackRgb(220, 230, 240);
constexpr std::uint32_t LIT_FILL = PackRgb(63, 108, 126);
constexpr std::uint32_t LIT_BACK = PackRgb(236, 236, 241);

HslF HslOf(std::uint32_t rgb) {
    return RgbToHsl(static_cast<int>(rgb >> 16), static_cast<int>((rgb >> 8) & 0xFF),
                    static_cast<int>(rgb & 0xFF));
}

}  // namespace

ShapeList::ShapeList(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

ShapePages ShapeList::UpdatePage(int page, int sn) {
    p_ = PageShapes(width(), height(), FtText::ShapeCount(), sn);
    if (sn < 0 && p_.pages > 0) p_.page = std::clamp(page, 0, p_.pages - 1);
    VX_CHECK(p_.itmpp == 0 || p_.pages == 0 || p_.page < p_.pages, "page<pages");
    rows_ = (height() + SHAPE_CELL - 1) / SHAPE_CELL;
    RenderCells();
    update();
    return p_;
}

void ShapeList::RenderCells() {
    const int cells = p_.itmpp > 0 ? p_.columns * rows_ : 0;
    normal_.assign(static_cast<std::size_t>(cells), {});
    lit_.assign(static_cast<std::size_t>(cells), {});
    for (int ni = 0; ni < cells; ++ni) {
        int n = p_.page * p_.itmpp + ni;
        if (n >= FtText::ShapeCount()) n = 0;
        if (FtText::ShapeCount() == 0) break;
        const SymEntry& e = FtText::Shape(n);
        LogoParams lt;
        lt.font = e.font;
        lt.shape = e.glyph;
        lt.size = lt.width = SHAPE_CELL - 2;
        FtText ft;
        VX_CALL(ft.Render(lt, 2, 1), "ft.Render(lt,2,1)");
        lt.color = HslOf(NORMAL_FILL);
        const auto k = static_cast<std::size_t>(ni);
        VX_CALL(ft.BltToBitmap(lt, normal_[k], SHAPE_CELL, SHAPE_CELL, NORMAL_BACK),
                "ft.BltToBitmap(lt,&dc,bmp,dxy,dxy,bgc)");
        lt.color = HslOf(LIT_FILL);
        VX_CALL(ft.BltToBitmap(lt, lit_[k], SHAPE_CELL, SHAPE_CELL, LIT_BACK),
                "ft.BltToBitmap(lt,&dc,bmp,dxy,dxy,bgc)");
    }
}

QPoint ShapeList::CellCentre(int n) const {
    if (p_.columns == 0) return {};
    return {(n % p_.columns) * SHAPE_CELL + SHAPE_CELL / 2,
            (n / p_.columns) * SHAPE_CELL + SHAPE_CELL / 2};
}

int ShapeList::CellAt(QPoint pos) const {
    if (p_.columns == 0 || !rect().contains(pos)) return -1;
    return (pos.y() / SHAPE_CELL) * p_.columns + pos.x() / SHAPE_CELL;
}

void ShapeList::paintEvent(QPaintEvent*) {
    QImage img(size(), QImage::Format_RGB32);
    img.fill(QColor::fromRgb(NORMAL_BACK));
    QPainter p(&img);
    for (std::size_t ni = 0; ni < normal_.size(); ++ni) {
        const int n = static_cast<int>(ni);
        const bool lit = n == hover_ || n == p_.sel;
        std::vector<std::uint32_t>& cell = lit ? lit_[ni] : normal_[ni];
        const QImage c = EngineImage(cell, SHAPE_CELL, SHAPE_CELL);
        if (!c.isNull())
            p.drawImage((n % p_.columns) * SHAPE_CELL, (n / p_.columns) * SHAPE_CELL, c);
    }
    QPen grid(QColor::fromRgb(NORMAL_FILL), 1, Qt::DotLine);
    p.setPen(grid);
    for (int i = 1; i < p_.columns; ++i) p.drawLine(i * SHAPE_CELL, 0, i * SHAPE_CELL, height());
    for (int i = 1; i < rows_; ++i) p.drawLine(0, i * SHAPE_CELL, width(), i * SHAPE_CELL);
    if (p_.sel >= 0 && p_.columns > 0) {
        p.setPen(QColor::fromRgb(NORMAL_FILL));
        p.drawRect((p_.sel % p_.columns) * SHAPE_CELL, (p_.sel / p_.columns) * SHAPE_CELL,
                   SHAPE_CELL + 1, SHAPE_CELL + 1);
    }
    p.setPen(QColor(144, 163, 174));
    p.drawLine(0, 0, width() - 1, 0);
    p.drawLine(0, 0, 0, height() - 1);
    p.setPen(Qt::white);
    p.drawLine(0, height() - 1, width() - 1, height() - 1);
    p.drawLine(width() - 1, 0, width() - 1, height() - 1);
    p.end();
    QPainter(this).drawImage(0, 0, img);
}

void ShapeList::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return;
    const int n = CellAt(e->pos());
    // A cell past the end of the table shows shape 0 as a filler: not a choice.
    p_.sel = n >= 0 && p_.page * p_.itmpp + n < FtText::ShapeCount() ? n : -1;
    update();
    if (p_.sel >= 0) emit chosen(p_.sel);
}

void ShapeList::mouseMoveEvent(QMouseEvent* e) {
    const int n = CellAt(e->pos());
    if (n != hover_) {
        hover_ = n;
        update();
    }
}

void ShapeList::leaveEvent(QEvent*) {
    hover_ = -1;
    update();
}

}  // namespace vx
