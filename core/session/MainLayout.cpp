#include "session/MainLayout.h"

#include <algorithm>

#include "session/CommandIds.h"
#include "shell/Checked.h"

namespace vx {

namespace {

constexpr int LEFT_COLUMN = 217;  // x of everything right of the left column
constexpr int MAX_BUTTON_ROW = 550;
constexpr int LOGO_FROM = 650;  // the logo button needs a button row wider than this
constexpr int MIN_NAV_WIDTH = 31;
constexpr int STYLE_X = 416;
constexpr int STYLE_SIZE = 32;
constexpr int MAX_STYLE_BUTTONS = 300;

}  // namespace

std::optional<Rect> MainLayout::PlaceOf(int id) const {
    for (const auto& [cid, r] : places)
        if (cid == id) return r;
    return std::nullopt;
}

MainLayout LayoutMainWindow(int cx, int cy) {
    MainLayout l;
    if (cx < 100 || cy < 100 || cx > 10000 || cy > 10000) return l;
    const int W = cx - 7;
    if (W <= LEFT_COLUMN) return l;
    int R = W - LEFT_COLUMN;
    const int H = cy - 50;
    const auto place = [&l](int id, int x, int y, int w, int h) {
        l.places.emplace_back(id, Rect{x, y, w, h});
    };

    l.logo_shown = R > LOGO_FROM;
    if (R > LOGO_FROM) {
        l.logo = Rect{W - (R - MAX_BUTTON_ROW), 7, R - MAX_BUTTON_ROW, 30};
        R = MAX_BUTTON_ROW;
    }

    const double f = (R - 20) * 0.2;
    if (f < MIN_NAV_WIDTH) return l;
    for (int n = 0; n < 5; ++n)
        place(NAV_IDS[n], static_cast<int>(LEFT_COLUMN + n * (f + 5)), 7, static_cast<int>(f), 30);

    place(IDC_OUT_WND, LEFT_COLUMN, 44, cx - 224, cy - 94);
    const int h = std::min(cy / 5, 200);
    place(IDC_OBJ_WND, 7, 44, 200, h);
    place(IDC_CUR_OBJECT, 7, 7, 120, 30);
    place(IDC_NEXT, 132, 7, 35, 30);
    place(IDC_PREV, 172, 7, 35, 30);

    place(IDC_OBJ_LABEL, 2, h + 49, 213, 17);
    place(IDC_OBJ_LEFT, 7, h + 68, 17, 17);
    place(IDC_OBJ_SLIDER, 24, h + 68, 166, 17);
    place(IDC_OBJ_RIGHT, 190, h + 68, 17, 17);
    if (h + 86 >= H) return l;
    place(IDC_OBJ_LIB, 7, h + 86, 200, H - (h + 86));

    place(IDC_EDIT_TOP, 7, H + 10, 201, 1);
    place(IDC_QUICK_TEXT, 7, H + 11, 200, 20);
    place(IDC_EDIT_BOTTOM, 7, H + 31, 201, 10);

    place(IDC_STYLE_LEFT, LEFT_COLUMN, H + 8, 17, 17);
    place(IDC_STYLE_SLIDER, 234, H + 8, 155, 17);
    place(IDC_STYLE_RIGHT, 389, H + 8, 17, 17);
    place(IDC_STYLE_LABEL, 209, H + 26, 205, 17);

    const int A = R - 20 + 222 - STYLE_X;
    const int nb = A / STYLE_SIZE;
    if (nb < 2) return l;
    const double gap = static_cast<double>(A - STYLE_SIZE * nb) / (nb - 1);
    VX_CHECK(nb < MAX_STYLE_BUTTONS, "nb<300");
    for (int n = 0; n < std::min(nb, MAX_STYLE_BUTTONS - 1); ++n)
        l.style_buttons.push_back(Rect{static_cast<int>(STYLE_X + n * (STYLE_SIZE + gap)), H + 8,
                                       STYLE_SIZE, STYLE_SIZE});
    l.complete = true;
    return l;
}

}  // namespace vx
