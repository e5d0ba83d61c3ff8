#pragma once

// One preview button of the template window: the template's picture on its
// background colour, the highlighted picture on a lighter fill while the
// cursor is over it. Hover follows mouse moves and the window's 30 ms timer.
// A click (press and release on it) chooses the template.

#include <cstdint>

#include "document/HslF.h"
#include "document/TemplateStore.h"
#include "ui/controls/HoverControl.h"

namespace vx {

class TmpPrev : public HoverControl {
    Q_OBJECT
public:
    explicit TmpPrev(QWidget* parent = nullptr);

    // The two pictures (null for none; the store owns them and outlives the
    // button) and the template's background colour.
    void SetImage(const TemplatePicture* normal, const TemplatePicture* hot, const HslF& bgc);

    std::uint32_t fill() const { return fill_; }
    std::uint32_t hot_fill() const { return hot_fill_; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    const TemplatePicture* normal_ = nullptr;
    const TemplatePicture* hot_ = nullptr;
    std::uint32_t fill_ = 0xFFFFFF;
    std::uint32_t hot_fill_ = 0xFFFFFF;
};

}  // namespace vx
