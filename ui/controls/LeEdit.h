#pragma once

// A thin decorative strip around the quick text field: a vertical gradient from
// steel blue at the top to the panel grey at the bottom.

#include <QWidget>

namespace vx {

class LeEdit : public QWidget {
    Q_OBJECT

public:
    explicit LeEdit(QWidget* parent = nullptr);

    // The colour of row y of a strip h rows high (0x00RRGGBB).
    static std::uint32_t RowColor(int y, int h);

protected:
    void paintEvent(QPaintEvent* e) override;
};

}  // namespace vx
