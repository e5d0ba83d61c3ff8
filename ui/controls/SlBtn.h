#pragma once

// An arrow button beside a library page slider: pressing it steps the slider one
// page left (step -1) or right (+1) when that page exists; a double click steps
// once more. Hover and pressed looks like the slider's thumb.

#include "ui/controls/HoverControl.h"

namespace vx {

class ZebSlider;

class SlBtn : public HoverControl {
    Q_OBJECT

public:
    // `slider` is not owned and must outlive the button.
    SlBtn(ZebSlider* slider, int step, QWidget* parent = nullptr);

    int step() const { return step_; }

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    ZebSlider* slider_;
    int step_;
};

}  // namespace vx
