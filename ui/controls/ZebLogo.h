#pragma once

// The caption art at the top right of the main window: "VEXO LOGO" rendered by
// the logo engine in white over a grey-to-steel-blue gradient with a light
// grain, right-aligned. It shows only; it has no command.

#include <QWidget>

#include <cstdint>
#include <vector>

#include "render/FtText.h"

namespace vx {

class ZebLogo : public QWidget {
    Q_OBJECT

public:
    explicit ZebLogo(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    std::vector<std::uint32_t> picture_;  // composed off-screen, then drawn at once
    FtText text_;
};

}  // namespace vx
