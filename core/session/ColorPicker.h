#pragma once

// The colour bar without its window: the colour variables it edits and the
// four linked views (palette, hue strip, saturation/lightness field, R/G/B
// edits) as numbers. Every change writes straight into the chosen variable.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "document/LeFile.h"

namespace vx {

constexpr int MAX_COLOR_VARS = 99;

struct ColorVar {
    HslF* color;  // points into the document
    std::string desc;
};

// The six colours of the Edit menu, in menu order: the current object's solid,
// gradient #1 and #2, outline and shadow colours, then the background.
// Needs a current object.
std::vector<ColorVar> EditColorVars(LeFile& lf);

// The palette: 17 columns by 13 rows; row 0 greys, rows 1..12 hues.
constexpr int PALETTE_COLUMNS = 17;
constexpr int PALETTE_ROWS = 13;
HslF PaletteColor(int column, int row);

// The R/G/B bytes a document colour shows.
struct Rgb {
    int r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};
Rgb RgbOf(const HslF& c);

// One R/G/B edit's text as a channel: digits only, above 255 held at 255
// (then `clipped`); empty text is 0.
struct Channel {
    int value = 0;
    bool clipped = false;
};
Channel ParseChannel(const std::string& text);

class ColorPicker {
public:
    explicit ColorPicker(std::vector<ColorVar> vars, int cur_var = 0);

    int cur_var() const { return cur_var_; }
    int count() const { return static_cast<int>(vars_.size()); }
    const std::string& desc(int n) const { return vars_[static_cast<std::size_t>(n)].desc; }
    const HslF& color() const { return *vars_[static_cast<std::size_t>(cur_var_)].color; }

    // The views as fractions: the hue strip, the field's point and hue.
    float HueFraction() const;
    float FieldX() const;
    float FieldY() const;
    // The R/G/B last shown in (or read from) the edits.
    const Rgb& rgb() const { return rgb_; }

    // Chooses the variable to edit (a valid index) and reloads the views.
    void Select(int n);
    void SetField(float x, float y);
    void SetHue(float value);
    void SetColor(const HslF& c);  // a palette cell
    // R/G/B read from the edits: false when they equal the last shown triple
    // (nothing changes), else the colour becomes their HSL.
    bool SetRgb(const Rgb& rgb);

private:
    void ShowRgb();
    std::vector<ColorVar> vars_;
    int cur_var_ = 0;
    Rgb rgb_;
};

}  // namespace vx
