#pragma once

// One button of the style row: the page's style turned by the button's hue
// offset, drawn by the engine on the starburst. It lightens under the cursor
// unless it is the selected button, which sits sunken on a lighter ground. A
// press reports clicked(index) with the variant shown.

#include <vector>

#include "document/LogoParams.h"
#include "render/FtText.h"
#include "ui/controls/HoverControl.h"

namespace vx {

class StyleBtn : public HoverControl {
    Q_OBJECT

public:
    static constexpr int SIZE = 32;

    // Button `index` of a row of `nb`.
    StyleBtn(int index, int nb, QWidget* parent = nullptr);

    // Shows `style` as this button's variant; repaints.
    void SetStyle(const LogoParams& style);
    const LogoParams& lt() const { return lt_; }
    int index() const { return index_; }

    void SetSelected(bool on);
    bool selected() const { return selected_; }

signals:
    void clicked(int index, const LogoParams& lt);

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    int index_;
    int nb_;
    bool selected_ = false;
    bool has_style_ = false;
    LogoParams lt_;
    FtText ft_;
    std::vector<std::uint32_t> picture_;
};

}  // namespace vx
