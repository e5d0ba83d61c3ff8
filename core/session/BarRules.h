#pragma once

// The rules of the property bars that do not need a window: which controls a
// bar enables, and how the image object bar and the logo bar write their
// controls into the document.

#include "document/LeFile.h"

namespace vx {

// Text inputs hold at most this many characters: the renderer lays out at most
// MAX_GLYPHS glyphs of one object.
constexpr int MAX_TEXT_INPUT = 499;

// Effects bar: outline controls with "Has Outline:", shadow controls with
// "Has Shadow:", the strength with either.
struct EffectsEnabling {
    bool outline, shadow, strength;
};
EffectsEnabling EffectsEnablingOf(bool has_outline, bool has_shadow);

// Transform bar: rotation and the bend check box with "Transform Object:"; the
// bend radius and direction only when both are checked.
struct TransformEnabling {
    bool rotation, bend_check, bend;
};
TransformEnabling TransformEnablingOf(bool has_transform, bool has_bend);

// Image object bar: what its controls write into the current shape.
struct ImoptControls {
    bool constrain;
    int width;       // the Width edit
    int height;      // the Height edit
    float rotation;  // the rotation slider, a fraction of a turn
};
// `width` from the Width edit, `size` from Height or, constrained, from Width;
// any rotation but 0 switches the transform on.
void ApplyImopt(LogoParams& lt, const ImoptControls& c);
// The image object bar opens constrained when width and height agree.
inline bool ImoptConstrained(const LogoParams& lt) {
    return lt.width == lt.size;
}

// Logo bar canvas sizes are kept in 5..3000.
int ClampCanvasSide(int v);
// "Fixed Canvas Size:" toggled: the flag, and the canvas frozen at the size the
// automatic rule gave last (dw x dh of the shared canvas).
void SetFixedCanvas(LeFile& lf, bool fixed);
void SetCanvasSize(LeFile& lf, int w, int h);

}  // namespace vx
