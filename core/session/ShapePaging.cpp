#include "session/ShapePaging.h"

namespace vx {

ShapePages PageShapes(int w, int h, int syms, int sn) {
    ShapePages p;
    if (w < 60 || h < 60) return p;
    p.columns = (w + SHAPE_CELL - 1) / SHAPE_CELL;
    p.itmpp = p.columns * (h / SHAPE_CELL);
    p.pages = syms / p.itmpp;
    if (sn >= 0) {
        const int page = sn / p.itmpp;
        if (page < p.pages) {
            p.page = page;
            p.sel = sn - page * p.itmpp;
        } else {
            p.page = p.pages > 0 ? p.pages - 1 : 0;
        }
    }
    return p;
}

std::string ShapeTabCaption(int n, int itmpp) {
    return std::to_string(n * itmpp + 1) + " - " + std::to_string((n + 1) * itmpp);
}

std::string ShapePageLabel(const ShapePages& p) {
    return "Shapes " + std::to_string(p.page * p.itmpp + 1) + "-" +
           std::to_string((p.page + 1) * p.itmpp) + " of " + std::to_string(p.pages * p.itmpp) +
           " (Page " + std::to_string(p.page + 1) + " of " + std::to_string(p.pages) + ")";
}

}  // namespace vx
