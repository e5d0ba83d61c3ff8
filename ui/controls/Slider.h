#pragma once

// The small numeric slider of the property bars: a thin bracket-shaped track
// with a triangular thumb under it. It holds a fraction 0..1, writes the number
// it stands for into a read-only buddy edit (SliderScale.h) and emits clicked()
// after every change made with the mouse. A press alone changes nothing; the
// first move sets the value.

#include <QWidget>

#include "session/SliderScale.h"

class QLineEdit;

namespace vx {

class Slider : public QWidget {
    Q_OBJECT

public:
    explicit Slider(QWidget* parent = nullptr);

    void Init(QLineEdit* buddy, SliderMode mode, int min, int max);
    // The fraction of integer `v` in the slider's range.
    void SetValue(int v, bool update_edit);
    // The fraction itself, unclamped; the edit is left alone.
    void SetValueF(float f);
    void UpdateEdit();

    float value() const { return value_; }
    bool dragging() const { return dragging_; }
    int min() const { return min_; }
    int max() const { return max_; }

    QSize sizeHint() const override { return {110, 18}; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    float value_ = 0.0f;
    bool dragging_ = false;
    QLineEdit* buddy_ = nullptr;
    SliderMode mode_ = SliderMode::INTEGER;
    int min_ = 0;
    int max_ = 100;
};

}  // namespace vx
