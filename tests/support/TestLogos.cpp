#include "support/TestLogos.h"

#include "support/TestFonts.h"

namespace vx::test {

void AllEffects(LogoParams& lt, int strength) {
    lt.has_outline = lt.has_shadow = lt.grad = 1;
    lt.strength = strength;
    lt.grad_angle = 30;
    lt.grad_color1 = {20, 240, 120};
    lt.grad_color2 = {150, 240, 90};
    lt.outline_color = {0, 0, 240};
}

void TypicalLogo(LeFile& lf) {
    lf.AddObj(TextObject("Vexo Logo", SANS_BOLD, 72, 0, -40));
    lf.AddObj(TextObject("design made simple", SERIF, 28, 0, 30));
    auto bent = TextObject("since 2024", SANS, 24, 0, 80);
    bent->lt.has_transform = bent->lt.has_bend = 1;
    bent->lt.bend = 0.5f;
    lf.AddObj(std::move(bent));
    lf.AddObj(ShapeObject(2652, 90, 90, -220, -40));
    lf.AddObj(ShapeObject(36, 80, 80, 220, -40));
    for (int n = 0; n < lf.objs; ++n) AllEffects(lf.obj[n]->lt, 3);
    lf.cur = 0;
}

}  // namespace vx::test
