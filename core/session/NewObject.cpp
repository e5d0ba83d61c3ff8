#include "session/NewObject.h"

#include "document/LeFile.h"
#include "render/FtText.h"
#include "session/ShippedFaces.h"

namespace vx {

std::string NewTextFace() {
    for (int n = 0; n < FtText::TextFontCount(); ++n)
        if (FtText::TextFont(n).name == NEW_TEXT_FACE) return NEW_TEXT_FACE;
    return FtText::TextFontCount() > 0 ? FtText::TextFont(0).name : DEFAULT_FONT;
}

std::unique_ptr<LogoObject> NewObject(int type) {
    auto o = std::make_unique<LogoObject>();
    o->type = type;
    if (type == SHAPE_OBJECT) {
        o->lt.font = NEW_SHAPE_FACE;
        o->lt.shape = NEW_SHAPE_GLYPH;
    } else {
        o->lt.font = NewTextFace();
    }
    o->x = 0;
    o->y = -(LeFile::ob.dh / 4);
    return o;
}

}  // namespace vx
