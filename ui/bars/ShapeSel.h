#pragma once

// The image object bar's preview of the current shape: the glyph fitted into
// the control and centred on a checkerboard, rendered by the engine. It is
// rendered again only when the face or the glyph changes.

#include <QWidget>
#include <cstdint>
#include <string>
#include <vector>

namespace vx {

class ShapeSel : public QWidget {
    Q_OBJECT

public:
    explicit ShapeSel(QWidget* parent = nullptr);
    void SetShape(const std::string& font, int shape);
    QSize sizeHint() const override { return {96, 96}; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    std::string font_;
    int shape_ = -1;
    std::vector<std::uint32_t> px_;
    QSize rendered_;
};

}  // namespace vx
