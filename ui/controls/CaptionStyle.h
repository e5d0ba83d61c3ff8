#pragma once

// The look shared by the owner-drawn controls: the panel background, the caption
// colours by state, the faces the captions are rendered in, and the render
// record of an engine-rendered caption. Plain C++ (no Qt).

#include <cstdint>
#include <string>

#include "document/LogoParams.h"
#include "render/Color.h"

namespace vx {

// The panel grey every control is drawn on.
inline constexpr std::uint32_t PANEL_BACKGROUND = PackRgb(236, 236, 241);

// Caption colours of buttons and labels.
inline constexpr std::uint32_t CAPTION_NORMAL = PackRgb(81, 107, 135);
inline constexpr std::uint32_t CAPTION_HOT = PackRgb(92, 158, 215);
inline constexpr std::uint32_t CAPTION_DISABLED = PackRgb(184, 193, 202);

// Faces from the libraries we ship: a technical sans for the button captions,
// its lighter cut for the page labels (a full "Styles Library: page #12 of 12"
// fits their 205 pixels), a heavy display face for the caption art.
inline constexpr const char* CAPTION_FACE = "Play Bold";
inline constexpr const char* LABEL_FACE = "Play Regular";
inline constexpr const char* LOGO_FACE = "Bebas Neue Bold";
// The symbol face and glyph of the Next/Prev arrow.
inline constexpr const char* ICON_FACE = "Pointers Regular";
inline constexpr int ARROW_GLYPH = 132;

// A text record for `text` (code page 1252) in `face` at `size` pixels, spacing
// 1, no effects, in `rgb`, fading from opaque at the top to `fade` opacity at the
// bottom (a vertical gradient overlay whose two colours are the caption colour).
LogoParams CaptionParams(const std::string& text, const char* face, int size, std::uint32_t rgb,
                         float fade = 0.5f);

// A shape record for `glyph` of `face`, w x h pixels, turned by `angle` (a
// fraction of a full turn), in `rgb` with the same fade as captions.
LogoParams IconParams(const char* face, int glyph, int w, int h, float angle, std::uint32_t rgb);

// `text` (UTF-32) in code page 1252, leaving out each character the code page
// cannot hold.
std::string CaptionBytes(const std::u32string& text);

}  // namespace vx
