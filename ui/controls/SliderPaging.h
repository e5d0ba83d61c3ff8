#pragma once

// The page arithmetic of a library page slider and its arrow buttons: which page
// a position on the slider selects, where the thumb is drawn, whether an arrow
// step is possible, and the text of the page label. Plain C++, so the rules are
// tested without a display.

#include <string>

namespace vx {

// Which library a slider pages; it names the label.
enum class LibraryKind { Objects = 1, Styles = 2 };

class SliderPaging {
public:
    static constexpr int THUMB_WIDTH = 32;

    // Sets the page count and the current page. `pages` below 0 counts as 0;
    // `page` is kept as given (a library may be empty).
    void Set(int pages, int page);
    int page() const { return page_; }
    int pages() const { return pages_; }

    // The page under column x of a slider `dx` pixels wide: x is clamped to
    // 0..dx-1 and the page is pages*x/dx (integer division). Makes it current.
    int DragTo(int x, int dx);
    // Whether an arrow step of `step` (-1 or +1) stays within 0..pages-1; if so
    // it is taken and true is returned.
    bool Step(int step);

    // The thumb is drawn only with more than one page and a valid current page.
    bool HasThumb() const { return pages_ > 1 && page_ >= 0 && page_ < pages_; }
    // Left column of the thumb on a slider `dx` pixels wide.
    int ThumbX(int dx) const;
    // Whether the current page is one of the pages, as the owner's page change
    // requires.
    bool PageValid() const { return page_ >= 0 && page_ < pages_; }

    // "Objects Library: page #3 of 5" / "Styles Library: page #1 of 2".
    std::string Label(LibraryKind kind) const;

private:
    int page_ = 0;
    int pages_ = 0;
};

}  // namespace vx
