#pragma once

// A colour swatch: a button filled with its colour inside a black and a white
// line; disabled it shows a cross hatch instead of the colour.

#include <QColor>
#include <QWidget>

#include "document/HslF.h"

namespace vx {

class ColorBtn : public QWidget {
    Q_OBJECT

public:
    explicit ColorBtn(QWidget* parent = nullptr);

    void SetColor(const HslF& c);  // through the document's HSL to RGB
    void SetRgb(QColor c);
    QColor color() const { return color_; }

    QSize sizeHint() const override { return {48, 28}; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    QColor color_ = Qt::black;
};

}  // namespace vx
