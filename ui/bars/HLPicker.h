#pragma once

// The colour bar's palette: 17 x 13 preset colours (a grey row, then twelve
// hue rows from dark to light) in cells divided by black lines. A press picks
// the cell under the pointer; the click (press and release) reports it.

#include <QWidget>

#include "document/HslF.h"

namespace vx {

class HLPicker : public QWidget {
    Q_OBJECT

public:
    explicit HLPicker(QWidget* parent = nullptr);
    HslF picked() const { return picked_; }
    // The centre of cell (column, row), for tests and keys.
    QPoint CellCentre(int column, int row) const;
    QSize sizeHint() const override { return {162, 124}; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    float CellW() const;
    float CellH() const;
    HslF picked_{};
    bool pressed_ = false;
};

}  // namespace vx
