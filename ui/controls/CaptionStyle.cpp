#include "ui/controls/CaptionStyle.h"

#include "shell/Cp1252.h"

namespace vx {

namespace {

HslF DocumentColor(std::uint32_t rgb) {
    return RgbToHsl(static_cast<int>((rgb >> 16) & 0xFF), static_cast<int>((rgb >> 8) & 0xFF),
                    static_cast<int>(rgb & 0xFF));
}

// Both gradient colours equal the fill, so the overlay only fades the caption
// from opaque at the top to `fade` at the bottom.
void SetFade(LogoParams& lt, const HslF& c, float fade) {
    lt.color = c;
    lt.shadow_color = c;
    lt.grad = 1;
    lt.grad_angle = 90;
    lt.grad_color1 = c;
    lt.grad_color2 = c;
    lt.grad_opacity1 = 1.0f;
    lt.grad_opacity2 = fade;
}

}  // namespace

LogoParams CaptionParams(const std::string& text, const char* face, int size, std::uint32_t rgb,
                         float fade) {
    LogoParams lt;
    lt.str = text;
    lt.font = face;
    lt.size = size;
    lt.spacing = 1;
    lt.strength = 0;
    SetFade(lt, DocumentColor(rgb), fade);
    return lt;
}

LogoParams IconParams(const char* face, int glyph, int w, int h, float angle, std::uint32_t rgb) {
    LogoParams lt;
    lt.font = face;
    lt.shape = glyph;
    lt.size = h;
    lt.width = w;
    lt.strength = 0;
    lt.has_transform = 1;
    lt.angle = angle;
    SetFade(lt, DocumentColor(rgb), 0.5f);
    return lt;
}

std::string CaptionBytes(const std::u32string& text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (char32_t cp : text) {
        if (const auto b = UnicodeToCp1252(cp)) bytes.push_back(static_cast<char>(*b));
    }
    return bytes;
}

}  // namespace vx
