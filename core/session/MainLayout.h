#pragma once

// Where the main window's controls go for a client size: the left column
// (current object, its preview, the object library, the quick text field), the
// property buttons and the logo button along the top, the output window, and
// the style row along the bottom. Each step needs room for the ones before it;
// where room runs out the layout stops and later controls keep their places.

#include <optional>
#include <utility>
#include <vector>

namespace vx {

constexpr int MIN_CLIENT_W = 620;  // the window's minimum size
constexpr int MIN_CLIENT_H = 400;

struct Rect {
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;
    bool operator==(const Rect&) const = default;
};

struct MainLayout {
    // The logo button's state when the layout got that far: shown at `logo`
    // or hidden; nothing when the size was ignored.
    std::optional<bool> logo_shown;
    Rect logo;
    // Control ids and their new places, in layout order.
    std::vector<std::pair<int, Rect>> places;
    // Style buttons: empty when the layout stopped before them (the old ones stay).
    std::vector<Rect> style_buttons;
    // Every step ran: the object library is re-paged for its new size.
    bool complete = false;

    // The place given to control `id`, if any.
    std::optional<Rect> PlaceOf(int id) const;
};

// The layout for a client area of cx x cy pixels.
MainLayout LayoutMainWindow(int cx, int cy);

}  // namespace vx
