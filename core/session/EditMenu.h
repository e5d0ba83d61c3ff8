#pragma once

// Which commands the main window offers for a document: the menu items and
// buttons enabled, and the property buttons' captions. Computed fresh from the
// document and the undo track; the window only shows it.

#include <array>
#include <optional>
#include <string>

#include "document/LeFile.h"

namespace vx {

class UndoTrack;

struct EditMenuState {
    bool undo = false;
    bool redo = false;
    bool solid_color = false;
    bool grad_colors = false;  // "Gradient Color #1" and "#2"
    bool outline_color = false;
    bool shadow_color = false;
    bool background_color = false;
    bool remove = false;
    bool duplicate = false;
    bool closer = false;   // "Bring &Closer" and "Bring to Front"
    bool farther = false;  // "Send &Farther" and "Send To Back"
    bool add = false;      // New Text, New Image, Import: the document has room
    bool next = false;     // lower index
    bool prev = false;     // higher index
    bool current_object = false;
    bool property_buttons = false;
    // The five property buttons' captions; nothing for a custom bitmap, whose
    // buttons keep the captions they had.
    std::optional<std::array<std::string, 5>> captions;
};

EditMenuState ComputeEditMenu(const LeFile& lf, const UndoTrack& utrack);

// Whether the current index names an object.
inline bool HasCurrent(const LeFile& lf) {
    return lf.cur >= 0 && lf.cur < lf.objs && lf.obj[lf.cur] != nullptr;
}

}  // namespace vx
