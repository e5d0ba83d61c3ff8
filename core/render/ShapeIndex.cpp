#include "render/ShapeIndex.h"

#include "render/FtText.h"

namespace vx {

namespace {

bool Holds(int n, const LogoObject& o) {
    const SymEntry& e = FtText::Shape(n);
    return e.glyph == o.lt.shape && e.font == o.lt.font;
}

}  // namespace

int ShapeIndexOf(LogoObject& o) {
    if (o.lib_index >= 0 && o.lib_index < FtText::ShapeCount() && Holds(o.lib_index, o))
        return o.lib_index;
    for (int n = 0; n < FtText::ShapeCount(); ++n) {
        if (Holds(n, o)) {
            o.lib_index = n;
            return n;
        }
    }
    return -1;
}

}  // namespace vx
