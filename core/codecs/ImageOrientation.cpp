#include "codecs/ImageOrientation.h"

#include <cstring>
#include <vector>

#include "shell/Buffers.h"

namespace vx {

namespace {

// Where the pixel shown at (x, y) is stored, for a stored picture w x h.
struct Source {
    int x, y;
};

Source StoredAt(int orientation, int x, int y, int w, int h) {
    switch (orientation) {
        case 2:
            return {w - 1 - x, y};
        case 3:
            return {w - 1 - x, h - 1 - y};
        case 4:
            return {x, h - 1 - y};
        case 5:  // stored row 0 is the left column, stored column 0 the top row
            return {y, x};
        case 6:  // row 0 on the right, column 0 at the top
            return {y, h - 1 - x};
        case 7:  // row 0 on the right, column 0 at the bottom
            return {w - 1 - y, h - 1 - x};
        case 8:  // row 0 on the left, column 0 at the bottom
            return {w - 1 - y, x};
        default:
            return {x, y};
    }
}

// Copies `from` (w x h, `bytes` per pixel) into `to` in shown order.
void Rearrange(const std::vector<std::uint8_t>& from, std::vector<std::uint8_t>& to, int w, int h,
               int shown_w, int shown_h, std::size_t bytes, int orientation) {
    std::uint8_t* dst = to.data();
    for (int y = 0; y < shown_h; ++y)
        for (int x = 0; x < shown_w; ++x, dst += bytes) {
            const Source s = StoredAt(orientation, x, y, w, h);
            std::memcpy(dst, &from[(static_cast<std::size_t>(s.y) * w + s.x) * bytes], bytes);
        }
}

}  // namespace

bool ApplyOrientation(Image& img, int orientation) {
    if (orientation <= ORIENTATION_AS_STORED || orientation > ORIENTATION_MAX) return true;
    const bool swapped = orientation >= 5;
    const int shown_w = swapped ? img.h : img.w;
    const int shown_h = swapped ? img.w : img.h;
    std::vector<std::uint8_t> px, alpha;
    if (!TryResize(px, img.px.size()) || !TryResize(alpha, img.alpha.size())) return false;
    const auto bytes = static_cast<std::size_t>(img.BytesPerPixel());
    Rearrange(img.px, px, img.w, img.h, shown_w, shown_h, bytes, orientation);
    if (!img.alpha.empty())
        Rearrange(img.alpha, alpha, img.w, img.h, shown_w, shown_h, 1, orientation);
    img.px.swap(px);
    img.alpha.swap(alpha);
    img.w = shown_w;
    img.h = shown_h;
    return true;
}

}  // namespace vx
