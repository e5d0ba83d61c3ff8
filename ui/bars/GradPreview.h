#pragma once

// The gradient bar's preview: the engine's picture of the two gradient colours
// over a checkerboard (GradientPreview.h), hatched when disabled.

#include <QWidget>
#include <cstdint>
#include <vector>

#include "document/LogoParams.h"

namespace vx {

class GradPreview : public QWidget {
    Q_OBJECT

public:
    explicit GradPreview(QWidget* parent = nullptr);
    // Takes the gradient colours, opacities and angle of `lt` and redraws.
    void Set(const LogoParams& lt);
    QSize sizeHint() const override { return {155, 130}; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    LogoParams lt_;
    std::vector<std::uint32_t> px_;
};

}  // namespace vx
