#pragma once

// The numbers of the bars' sliders: a slider holds a fraction 0..1 and shows
// it through its buddy edit either as an integer of its range or, for the
// text's aspect ratio, as a one-decimal ratio 0.5..2.0 (the lower half of the
// track covers 0.5..1.0, the upper half 1.0..2.0).

#include <string>

namespace vx {

enum class SliderMode { INTEGER, ASPECT };

// The fraction of `v` in min..max, `v` held at the ends.
float SliderFraction(int v, int min, int max);
// The integer a fraction shows: min + (max - min) * value, truncated.
int SliderInteger(float value, int min, int max);
// The buddy text of a slider.
std::string SliderText(float value, SliderMode mode, int min, int max);

// The fraction of a pointer at column x of a slider w pixels wide (5-pixel
// margins at both ends).
float SliderDragFraction(int x, int w);
// The column of the thumb's tip.
int SliderThumbX(float value, int w);

// Aspect ratio to slider fraction and back; the ratio keeps one decimal,
// truncated (1.35 becomes 1.3).
float AspectFraction(float aspect);
float AspectOfFraction(float value);

// A spin button stepping by `delta` from `position` moves its slider here.
inline float SpinFraction(int position, int delta, int min, int max) {
    return SliderFraction(position + delta, min, max);
}

}  // namespace vx
