#pragma once

// The object library's grid rules, without a window: which cells are painted
// and which shape each shows, which cell a point hits, what a click chose, how
// the selection follows the current shape across pages, and what a chosen
// shape does to the document. Paging itself is PageShapes (ShapePaging.h).

#include <string>

#include "session/ShapePaging.h"

namespace vx {

class Session;

// Rows painted for a grid h pixels high: a partly visible last row counts.
int PaintedRows(int h);
// The shape-table entry cell `ni` of the page shows: shapes after the page fill
// its partial row and column; past the end of the table shape 0 fills in.
int CellShape(const ShapePages& p, int ni, int syms);
// The cell under (x, y) of a grid w x h; -1 outside it or with nothing paged.
int LibCellAt(const ShapePages& p, int x, int y, int w, int h);
// The shape-table entry the selected cell stands for; -1 when nothing is
// selected or the cell is past the end of the table (a filler, not a choice).
int ClickedShape(const ShapePages& p, int syms);

// Moves the selection to shape `sn` (UpdSel): when it lies off the page shown,
// its own page is taken if it has one; a shape reachable on no page of its own
// clears the selection rather than leave a different shape marked. Returns the
// new page, or -1 when the page stayed.
int SelectShape(ShapePages& p, int sn);

// A click on shape (`font`, `glyph`): the current shape object takes it;
// otherwise a new shape object is added that takes the current object's
// colours without outline and shadow (or, in an empty logo, the first shape is
// created). The shape is then made square at its larger side and the step
// recorded. False, with nothing changed, when no shape can be added.
bool PutLibraryShape(Session& s, const std::string& font, int glyph);

}  // namespace vx
