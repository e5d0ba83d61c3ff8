#pragma once

// The logo bar's hue, saturation and lightness shift. The colours it acts on
// are collected once with their values at that moment, and every shift is
// computed from those starting values, so moving a slider away and back
// restores the colours exactly.
//
// The list points into the document: it stays valid while the document keeps
// its objects (a bar holds it while it is open and nothing else edits the
// document).

#include <cstddef>
#include <vector>

#include "document/LeFile.h"

namespace vx {

// A starting colour shifted by the slider values h, s, l (0..1, 0.5 the
// middle): hue moved by (h - 0.5) * 240 round a wheel of 239 units,
// saturation and lightness scaled by 2s and 2l and kept in 0..240. A channel
// whose slider is in the middle is left as it was.
HslF ShiftColor(const HslF& start, float h, float s, float l);

class ColorShift {
public:
    // Takes the background colour when `background`, then the five colours of
    // the current object (`current_only`, which needs a current object:
    // checked "cur!=-1") or of every object, object by object.
    void Collect(LeFile& lf, bool current_only, bool background);
    // Writes every listed colour shifted from its starting value.
    void Apply(float h, float s, float l) const;
    std::size_t size() const { return list_.size(); }

private:
    struct Entry {
        HslF* color;
        HslF start;
    };
    std::vector<Entry> list_;
};

}  // namespace vx
