#include "session/EditMenu.h"

#include "document/UndoTrack.h"

namespace vx {

namespace {

const std::array<std::string, 5> TEXT_CAPTIONS = {"Text...", "Effects...", "Gradient...",
                                                  "Transform...", "Colors..."};
const std::array<std::string, 5> SHAPE_CAPTIONS = {"Image...", "Shape...", "Effects...",
                                                   "Gradient...", "Colors..."};

}  // namespace

EditMenuState ComputeEditMenu(const LeFile& lf, const UndoTrack& utrack) {
    EditMenuState s;
    s.undo = utrack.undoes > 0;
    s.redo = utrack.redoes > 0;
    s.add = lf.CanAdd();
    s.background_color = lf.objs > 0;
    s.current_object = lf.objs > 0;
    s.next = lf.objs > 0 && lf.cur != 0;
    s.prev = lf.objs > 0 && lf.cur != lf.objs - 1;
    s.captions = TEXT_CAPTIONS;
    if (!HasCurrent(lf)) return s;

    // The commands on the current object need one: after loading a file whose
    // current index is -1 there are objects but none is current.
    const LogoObject& o = *lf.obj[lf.cur];
    s.remove = true;
    s.duplicate = lf.CanAdd();
    s.closer = lf.cur != lf.objs - 1;
    s.farther = lf.cur != 0;
    if (o.type == BITMAP_OBJECT) {
        s.captions.reset();
        return s;
    }
    s.property_buttons = true;
    s.solid_color = !o.lt.grad;
    s.grad_colors = o.lt.grad != 0;
    s.outline_color = o.lt.has_outline != 0;
    s.shadow_color = o.lt.has_shadow != 0;
    if (o.type == SHAPE_OBJECT) s.captions = SHAPE_CAPTIONS;
    return s;
}

}  // namespace vx
