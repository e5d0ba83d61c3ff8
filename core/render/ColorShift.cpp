#include "render/ColorShift.h"

#include <algorithm>

#include "document/ParamFields.h"
#include "shell/Checked.h"

namespace vx {

namespace {

// The hue wheel of the shift is 239 units round, not 240.
constexpr float HUE_WHEEL = 239.0f;

}  // namespace

HslF ShiftColor(const HslF& start, float h, float s, float l) {
    // A slider in the middle leaves its channel exactly as it was, also for
    // stored values outside the ranges (the default gradient colour #2 is
    // 255, 255, 255), so moving a slider away and back restores every colour.
    HslF c = start;
    if (h != 0.5f) {
        c.h = start.h + (h - 0.5f) * 240.0f;
        if (c.h < 0.0f) c.h += HUE_WHEEL;
        if (c.h > HUE_WHEEL) c.h -= HUE_WHEEL;
    }
    if (s != 0.5f) c.s = std::clamp(2.0f * s * start.s, 0.0f, 240.0f);
    if (l != 0.5f) c.l = std::clamp(2.0f * l * start.l, 0.0f, 240.0f);
    return c;
}

void ColorShift::Collect(LeFile& lf, bool current_only, bool background) {
    list_.clear();
    auto add = [this](const char*, HslF& c) { list_.push_back({&c, c}); };
    if (background) add("bgc", lf.bgc);
    if (lf.objs == 0) return;
    if (current_only) {
        VX_CHECK(lf.cur != -1, "cur!=-1");
        if (lf.cur >= 0 && lf.cur < lf.objs) VisitColorFields(add, lf.obj[lf.cur]->lt);
        return;
    }
    for (int n = 0; n < lf.objs; ++n) VisitColorFields(add, lf.obj[n]->lt);
}

void ColorShift::Apply(float h, float s, float l) const {
    for (const Entry& e : list_) *e.color = ShiftColor(e.start, h, s, l);
}

}  // namespace vx
