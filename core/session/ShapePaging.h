#pragma once

// The paging of the shape table in the image bar's thumbnail list: cells of
// 40 pixels, full rows only per page, and as many whole pages as the table
// fills (shapes after the last full page are not reachable).

#include <string>

namespace vx {

constexpr int SHAPE_CELL = 40;

struct ShapePages {
    int columns = 0;
    int itmpp = 0;  // shapes per page
    int pages = 0;
    int page = 0;
    int sel = -1;  // the selected cell of the page
};

// The pages of `syms` shapes in a list of w x h pixels, on the page holding
// `sn` (selected) when it is reachable, else on the last page; nothing
// (itmpp 0) when the list is smaller than 60 pixels either way.
ShapePages PageShapes(int w, int h, int syms, int sn);

// "1 - 100" for tab n.
std::string ShapeTabCaption(int n, int itmpp);
// "Shapes 1001-1100 of 2500 (Page 11 of 25)".
std::string ShapePageLabel(const ShapePages& p);

}  // namespace vx
