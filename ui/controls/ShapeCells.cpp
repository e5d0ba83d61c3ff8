#include "ui/controls/ShapeCells.h"

#include "render/Color.h"
#include "render/FtText.h"
#include "session/ObjLibRules.h"
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

void ShapeCells::Render(const ShapePages& p, int rows) {
    columns_ = p.columns;
    rows_ = rows;
    const int syms = FtText::ShapeCount();
    const int cells = p.itmpp > 0 && syms > 0 ? p.columns * rows : 0;
    normal_.assign(static_cast<std::size_t>(cells), {});
    lit_.assign(static_cast<std::size_t>(cells), {});
    for (int ni = 0; ni < cells; ++ni) {
        const SymEntry& e = FtText::Shape(CellShape(p, ni, syms));
        LogoParams lt;
        lt.font = e.font;
        lt.shape = e.glyph;
        lt.size = lt.width = SHAPE_CELL - 2;
        FtText ft;
        VX_CALL(ft.Render(lt, 2, 1), "ft.Render(lt,2,1)");
        const auto k = static_cast<std::size_t>(ni);
        lt.color = HslOf(NORMAL_FILL);
        VX_CALL(ft.BltToBitmap(lt, normal_[k], SHAPE_CELL, SHAPE_CELL, NORMAL_BACK),
                "ft.BltToBitmap(lt,&dc,bmp1[ni],dxy,dxy,bgc)");
        lt.color = HslOf(LIT_FILL);
        VX_CALL(ft.BltToBitmap(lt, lit_[k], SHAPE_CELL, SHAPE_CELL, LIT_BACK),
                "ft.BltToBitmap(lt,&dc,bmp2[ni],dxy,dxy,bgc)");
    }
}

void ShapeCells::Paint(QPainter& p, int w, int h, int hover, int sel) const {
    p.fillRect(0, 0, w, h, QColor::fromRgb(NORMAL_BACK));
    for (int n = 0; n < count(); ++n) {
        const bool lit = n == hover || n == sel;
        const auto k = static_cast<std::size_t>(n);
        const std::vector<std::uint32_t>& cell = lit ? lit_[k] : normal_[k];
        const QImage c = EngineImage(cell.data(), cell.size(), SHAPE_CELL, SHAPE_CELL);
        if (!c.isNull()) p.drawImage((n % columns_) * SHAPE_CELL, (n / columns_) * SHAPE_CELL, c);
    }
    // Dotted lines: the pen's gaps show the cell background.
    p.setBackgroundMode(Qt::OpaqueMode);
    p.setBackground(QColor::fromRgb(NORMAL_BACK));
    p.setPen(QPen(QColor::fromRgb(NORMAL_FILL), 1, Qt::DotLine));
    for (int i = 1; i < columns_; ++i) p.drawLine(i * SHAPE_CELL, 0, i * SHAPE_CELL, h);
    for (int i = 1; i < rows_; ++i) p.drawLine(0, i * SHAPE_CELL, w, i * SHAPE_CELL);
    p.setBackgroundMode(Qt::TransparentMode);
    if (sel >= 0 && columns_ > 0) {
        p.setPen(QColor::fromRgb(NORMAL_FILL));
        p.drawRect((sel % columns_) * SHAPE_CELL, (sel / columns_) * SHAPE_CELL, SHAPE_CELL + 1,
                   SHAPE_CELL + 1);
    }
    p.setPen(QColor(144, 163, 174));
    p.drawLine(0, 0, w - 1, 0);
    p.drawLine(0, 0, 0, h - 1);
    p.setPen(Qt::white);
    p.drawLine(0, h - 1, w - 1, h - 1);
    p.drawLine(w - 1, 0, w - 1, h - 1);
}

}  // namespace vx
