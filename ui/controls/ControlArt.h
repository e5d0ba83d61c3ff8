#pragma once

// The artwork of our own owner-drawn controls, drawn with QPainter rather than
// stored as bitmaps: the arrow buttons and the slider strip and thumb of the
// library page sliders, the button face behind engine-rendered captions, and the
// resize cursor of the current-object preview. One palette ties them to the
// panel grey and the caption blues, so the controls look like one set.

#include <QCursor>
#include <QImage>
#include <QPainter>

namespace vx {

// The three looks of an interactive control.
enum class ControlState { Normal, Hot, Pressed };

class ControlArt {
public:
    static constexpr int ARROW_SIZE = 17;     // arrow buttons are 17 x 17
    static constexpr int SLIDER_HEIGHT = 17;  // slider strip and thumb height
    static constexpr int THUMB_WIDTH = 32;

    // An arrow button pointing left (`step` < 0) or right.
    static const QImage& Arrow(int step, ControlState state);
    // The slider background: one column, repeated across the slider's width.
    static const QImage& SliderStrip();
    // The 32 x 17 slider thumb.
    static const QImage& Thumb(ControlState state);
    // Paints a button face over the whole of `size` (the caption goes on top).
    static void PaintButtonFace(QPainter& p, QSize size, ControlState state, bool enabled);
    // The cursor shown over the current-object preview, where a drag resizes.
    static QCursor ResizeCursor();
};

}  // namespace vx
