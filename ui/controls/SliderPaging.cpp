#include "ui/controls/SliderPaging.h"

#include <algorithm>

namespace vx {

void SliderPaging::Set(int pages, int page) {
    pages_ = std::max(pages, 0);
    page_ = page;
}

int SliderPaging::DragTo(int x, int dx) {
    if (dx <= 0) return page_;
    x = std::clamp(x, 0, dx - 1);
    // 64-bit: the page count times a pixel column may exceed int.
    page_ = static_cast<int>(static_cast<long long>(pages_) * x / dx);
    return page_;
}

bool SliderPaging::Step(int step) {
    const long long to = static_cast<long long>(page_) + step;
    if (to < 0 || to >= pages_) return false;
    page_ = static_cast<int>(to);
    return true;
}

int SliderPaging::ThumbX(int dx) const {
    if (!HasThumb()) return 0;
    return static_cast<int>(static_cast<long long>(page_) * (dx - THUMB_WIDTH) / (pages_ - 1));
}

std::string SliderPaging::Label(LibraryKind kind) const {
    const char* name = kind == LibraryKind::Objects ? "Objects" : "Styles";
    return std::string(name) + " Library: page #" + std::to_string(page_ + 1) + " of " +
           std::to_string(pages_);
}

}  // namespace vx
