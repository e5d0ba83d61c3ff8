#pragma once

// The page slider of a library panel (objects or styles): a strip with a thumb
// at the current page. Pressing and dragging moves the thumb and the page label
// along without re-paging the library; on release the page change is announced
// once (pageChanged), so the owner re-pages the library. The arrow buttons
// (SlBtn) step it by one page.

#include <QImage>

#include "ui/controls/HoverControl.h"
#include "ui/controls/SliderPaging.h"

namespace vx {

class LeStatic;

class ZebSlider : public HoverControl {
    Q_OBJECT

public:
    explicit ZebSlider(LibraryKind kind, QWidget* parent = nullptr);

    // The label that shows "... Library: page #n of m"; not owned, may be null.
    void SetLabel(LeStatic* label);

    // A new page count and current page (after a layout, or when the library's
    // selection moved to another page): updates the label and repaints, without
    // announcing a page change.
    void SetPages(int pages, int page);
    int page() const { return paging_.page(); }
    int pages() const { return paging_.pages(); }
    LibraryKind kind() const { return kind_; }

    // One arrow step (-1 or +1) if it stays within the pages: label, page change
    // and repaint. False when the step is not possible.
    bool Step(int step);

    // Announces the current page to the owner. With no pages there is nothing to
    // page; a current page beyond the pages is a fault and is reported.
    void PageChanged();
    // Writes the page text into the label.
    void UpdateLabel();

signals:
    void pageChanged(int page);

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    LibraryKind kind_;
    SliderPaging paging_;
    LeStatic* label_ = nullptr;
    QImage picture_;  // composed off-screen, then drawn at once
};

}  // namespace vx
