#pragma once

// Every parameter that controls how one logo object is drawn. Fields keep their
// declaration order, which is also their order in project files; the run from
// `color` to `grad_opacity2` is the "style" that the style library applies.

#include <string>

#include "document/HslF.h"

namespace vx {

inline constexpr const char* DEFAULT_TEXT = "New Text";
inline constexpr const char* DEFAULT_FONT = "Accidental Presidency Regular";

struct LogoParams {
    std::string str = DEFAULT_TEXT;   // text of a text object
    std::string font = DEFAULT_FONT;  // text face, or the symbol face holding the shape
    int shape = -1;                   // glyph index of a shape; -1 for text
    int size = 48;                    // text: pixel height; shape: height in pixels
    int width = 48;                   // shape: width in pixels (text ignores it)
    int spacing = 0;                  // pixels added between glyphs
    float angle = 0.0f;               // rotation, fraction of a full turn
    float bend = 0.0f;                // bend amount 0..1
    float aspect = 1.0f;              // glyph width-to-height ratio of text, 0.5..2.0
    int bend_in = 0;                  // 1 bends inside, 0 outside
    int has_bend = 0;
    int has_transform = 0;  // rotation switched on
    HslF color{0, 0, 0};
    int has_outline = 0;
    int has_shadow = 0;
    int strength = 1;  // effects strength 0..10
    float outline_opacity = 1.0f;
    float outline_sharpness = 0.5f;
    HslF outline_color{0, 0, 100};
    int shadow_angle = 45;    // degrees
    int shadow_distance = 5;  // pixels
    float shadow_opacity = 0.5f;
    HslF shadow_color{0, 0, 0};
    int grad = 0;        // gradient overlay switched on
    int grad_angle = 0;  // degrees 0..360
    HslF grad_color1{0, 0, 0};
    HslF grad_color2{255, 255, 255};  // converts to white
    float grad_opacity1 = 1.0f;
    float grad_opacity2 = 1.0f;
};

}  // namespace vx
