#include "session/ColorPicker.h"

#include <algorithm>

#include "render/Color.h"
#include "shell/Checked.h"

namespace vx {

namespace {

constexpr float HUE_TO_FRACTION = 0.0041841003f;  // 1 / 239

}  // namespace

std::vector<ColorVar> EditColorVars(LeFile& lf) {
    VX_CHECK(lf.cur >= 0 && lf.cur < lf.objs, "cur!=-1");
    if (lf.cur < 0 || lf.cur >= lf.objs) return {{&lf.bgc, "Background Color"}};
    LogoParams& lt = lf.obj[lf.cur]->lt;
    return {{&lt.color, "Solid Color"},
            {&lt.grad_color1, "Gradient Color #1"},
            {&lt.grad_color2, "Gradient Color #2"},
            {&lt.outline_color, "Outline Color"},
            {&lt.shadow_color, "Shadow Color"},
            {&lf.bgc, "Background Color"}};
}

HslF PaletteColor(int column, int row) {
    if (row == 0) return {0, 0, static_cast<float>(column) * 15.0f};
    float hue = 60.0f + static_cast<float>(row - 1) * 20.0f;
    if (hue >= 240.0f) hue -= 240.0f;
    hue = std::min(hue, 239.0f);
    return {hue, 240.0f, 20.0f + static_cast<float>(column) * 12.5f};
}

Rgb RgbOf(const HslF& c) {
    const RgbF f = HslToRgbF(c);
    return {UnitToByte(f.r), UnitToByte(f.g), UnitToByte(f.b)};
}

Channel ParseChannel(const std::string& text) {
    Channel ch;
    for (const char c : text) {
        if (c < '0' || c > '9') continue;
        ch.value = ch.value * 10 + (c - '0');
        if (ch.value > 255) {
            ch.value = 255;
            ch.clipped = true;
            break;
        }
    }
    return ch;
}

ColorPicker::ColorPicker(std::vector<ColorVar> vars, int cur_var) : vars_(std::move(vars)) {
    if (vars_.size() > MAX_COLOR_VARS) vars_.resize(MAX_COLOR_VARS);
    VX_CHECK(!vars_.empty(), "cvars>0");
    Select(cur_var);
}

float ColorPicker::HueFraction() const {
    return color().h * HUE_TO_FRACTION;
}
float ColorPicker::FieldX() const {
    return color().s / 240.0f;
}
float ColorPicker::FieldY() const {
    return color().l / 240.0f;
}

void ColorPicker::Select(int n) {
    VX_CHECK(n >= 0 && n < count(), "cur_var!=CB_ERR");
    cur_var_ = std::clamp(n, 0, count() - 1);
    ShowRgb();
}

void ColorPicker::SetField(float x, float y) {
    HslF& c = *vars_[static_cast<std::size_t>(cur_var_)].color;
    c.s = x * 240.0f;
    c.l = y * 240.0f;
    ShowRgb();
}

void ColorPicker::SetHue(float value) {
    vars_[static_cast<std::size_t>(cur_var_)].color->h = value * 239.0f;
    ShowRgb();
}

void ColorPicker::SetColor(const HslF& c) {
    *vars_[static_cast<std::size_t>(cur_var_)].color = c;
    ShowRgb();
}

bool ColorPicker::SetRgb(const Rgb& rgb) {
    if (rgb == rgb_) return false;
    rgb_ = rgb;
    *vars_[static_cast<std::size_t>(cur_var_)].color = RgbToHsl(rgb.r, rgb.g, rgb.b);
    return true;
}

void ColorPicker::ShowRgb() {
    rgb_ = RgbOf(color());
}

}  // namespace vx
