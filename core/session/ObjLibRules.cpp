#include "session/ObjLibRules.h"

#include <algorithm>

#include "document/StyleFields.h"
#include "session/EditMenu.h"
#include "session/NewObject.h"
#include "session/Session.h"
#include "shell/Checked.h"

namespace vx {

int PaintedRows(int h) {
    return h > 0 ? (h + SHAPE_CELL - 1) / SHAPE_CELL : 0;
}

int CellShape(const ShapePages& p, int ni, int syms) {
    const int n = p.page * p.itmpp + ni;
    return n < syms ? n : 0;
}

int LibCellAt(const ShapePages& p, int x, int y, int w, int h) {
    if (p.columns == 0 || x < 0 || y < 0 || x >= w || y >= h) return -1;
    return (y / SHAPE_CELL) * p.columns + x / SHAPE_CELL;
}

int ClickedShape(const ShapePages& p, int syms) {
    if (p.sel < 0) return -1;
    const int n = p.page * p.itmpp + p.sel;
    return n < syms ? n : -1;
}

int SelectShape(ShapePages& p, int sn) {
    if (p.itmpp <= 0 || sn < 0 || sn == p.page * p.itmpp + p.sel) return -1;
    int npg = -1;
    if (sn < p.page * p.itmpp || sn >= (p.page + 1) * p.itmpp) {
        const int page = sn / p.itmpp;
        if (page >= p.pages) {
            p.sel = -1;
            return -1;
        }
        p.page = npg = page;
    }
    p.sel = sn - p.page * p.itmpp;
    VX_CHECK(p.sel >= 0 && p.sel < p.itmpp, "sel>=0&&sel<itmpp");
    return npg;
}

bool PutLibraryShape(Session& s, const std::string& font, int glyph) {
    LeFile& lf = s.lf;
    const bool keep = HasCurrent(lf) && lf.obj[lf.cur]->type == SHAPE_OBJECT;
    if (!keep) {
        if (!lf.CanAdd()) return false;
        // Without a current object (an empty logo) the new shape keeps its own look.
        const bool take_style = HasCurrent(lf);
        const LogoParams from = take_style ? lf.obj[lf.cur]->lt : LogoParams{};
        VX_CALL(lf.AddObj(NewObject(SHAPE_OBJECT)), "lf.AddObj(o)");
        if (take_style) CopyStyleForNewShape(from, lf.obj[lf.cur]->lt);
    }
    LogoObject& o = *lf.obj[lf.cur];
    o.lt.font = font;
    o.lt.shape = glyph;
    VX_CALL(o.Update(), "o.Update()");
    o.lt.width = o.lt.size = std::max(o.lt.width, o.lt.size);
    s.Track();
    return true;
}

}  // namespace vx
