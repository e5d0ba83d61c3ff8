#pragma once

// The shape grids of the object library and the image bar: a page of 40-pixel
// cells, each shape rendered once by the engine in two colourings (normal, and
// lit for the hovered or selected cell), so painting and hovering only copy
// pictures. Draws the cells, the dotted grid, the selection frame and the
// sunken border.

#include <QPainter>
#include <cstdint>
#include <vector>

#include "session/ShapePaging.h"

namespace vx {

class ShapeCells {
public:
    // Renders the cells of page `p` for a grid `rows` rows high; cells past the
    // end of the shape table show shape 0.
    void Render(const ShapePages& p, int rows);
    int count() const { return static_cast<int>(normal_.size()); }

    // The whole grid (w x h) with cells `hover` and `sel` lit and `sel` framed.
    void Paint(QPainter& painter, int w, int h, int hover, int sel) const;

private:
    int columns_ = 0;
    int rows_ = 0;
    std::vector<std::vector<std::uint32_t>> normal_;
    std::vector<std::vector<std::uint32_t>> lit_;
};

}  // namespace vx
