#pragma once

// The shared behaviour of the colour bar's hue strip and saturation/lightness
// field: a picture composed off-screen, a marker of four small black
// rectangles with white outlines around the chosen point, a sunken edge, and a
// mouse that sets the point on press and while dragging, reporting each change
// with clicked().

#include <QImage>
#include <QWidget>

class QPainter;

namespace vx {

class PickerView : public QWidget {
    Q_OBJECT

public:
    using QWidget::QWidget;

signals:
    void clicked();

protected:
    // The picture without marker and edge.
    virtual QImage Picture() const = 0;
    virtual QPoint MarkerAt() const = 0;
    // The pointer at `p` (clamped to the control) chose a new point.
    virtual void PointAt(QPointF p) = 0;

    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    void Track(QPointF p);
    bool dragging_ = false;
};

// A sunken edge along the border of `r`.
void DrawSunkenEdge(QPainter& p, const QRect& r);

}  // namespace vx
