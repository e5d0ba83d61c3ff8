#include <gtest/gtest.h>

#include "session/CommandIds.h"
#include "session/MainLayout.h"

namespace vx {
namespace {

TEST(MainLayoutTest, ANarrowWindowHidesTheLogoAndStopsAfterIt) {
    const MainLayout l = LayoutMainWindow(230, 500);
    EXPECT_EQ(l.logo_shown, false);
    EXPECT_TRUE(l.places.empty());
    EXPECT_TRUE(l.style_buttons.empty());
    EXPECT_FALSE(l.complete);
    EXPECT_FALSE(LayoutMainWindow(99, 500).logo_shown.has_value());
    EXPECT_FALSE(LayoutMainWindow(224, 500).logo_shown.has_value());
}

TEST(MainLayoutTest, PlacesAtTheSmallestAndAWideWindow) {
    const struct {
        int cx, cy, id;
        Rect place;
    } cases[] = {
        {620, 400, IDC_OUT_WND, {217, 44, 396, 306}},
        {620, 400, IDC_OBJ_LIB, {7, 166, 200, 184}},
        {620, 400, IDC_NAV2, {297, 7, 75, 30}},
        {620, 400, IDC_QUICK_TEXT, {7, 361, 200, 20}},
        {1600, 1000, IDC_OUT_WND, {217, 44, 1376, 906}},
        {1600, 1000, IDC_OBJ_LIB, {7, 286, 200, 664}},
        {1600, 1000, IDC_NAV2, {328, 7, 106, 30}},
        {1600, 1000, IDC_QUICK_TEXT, {7, 961, 200, 20}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LayoutMainWindow(c.cx, c.cy).PlaceOf(c.id), c.place) << c.cx << " " << c.id;
    const MainLayout small = LayoutMainWindow(620, 400);
    const MainLayout wide = LayoutMainWindow(1600, 1000);
    EXPECT_TRUE(small.complete && wide.complete);
    ASSERT_EQ(small.style_buttons.size(), 5u);
    ASSERT_EQ(wide.style_buttons.size(), 10u);
    EXPECT_EQ(small.style_buttons[0].x, 416);
    EXPECT_EQ(wide.style_buttons[9].x, 720);  // 416 + 9 x (32 + 16/9)
    EXPECT_EQ(wide.logo_shown, true);
    EXPECT_EQ(wide.logo, (Rect{767, 7, 826, 30}));
}

TEST(MainLayoutTest, ALowWindowStopsBeforeTheLibrary) {
    const MainLayout l = LayoutMainWindow(800, 150);  // h 30, H 100: 116 leaves no room
    EXPECT_TRUE(l.PlaceOf(IDC_OBJ_RIGHT));
    EXPECT_FALSE(l.PlaceOf(IDC_OBJ_LIB));
    EXPECT_FALSE(l.complete);
}

}  // namespace
}  // namespace vx
