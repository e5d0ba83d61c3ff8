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
    struct Case {
        int cx, cy;
        Rect out, lib, second_nav, quick;
        std::size_t styles;
    };
    const Case cases[] = {
        {620, 400, {217, 44, 396, 306}, {7, 166, 200, 184}, {297, 7, 75, 30}, {7, 361, 200, 20}, 5},
        {1600,
         1000,
         {217, 44, 1376, 906},
         {7, 286, 200, 664},
         {328, 7, 106, 30},
         {7, 961, 200, 20},
         10},
    };
    for (const Case& c : cases) {
        const MainLayout l = LayoutMainWindow(c.cx, c.cy);
        ASSERT_TRUE(l.complete) << c.cx;
        EXPECT_EQ(l.PlaceOf(IDC_OUT_WND), c.out) << c.cx;
        EXPECT_EQ(l.PlaceOf(IDC_OBJ_LIB), c.lib) << c.cx;
        EXPECT_EQ(l.PlaceOf(IDC_NAV2), c.second_nav) << c.cx;
        EXPECT_EQ(l.PlaceOf(IDC_QUICK_TEXT), c.quick) << c.cx;
        EXPECT_EQ(l.style_buttons.size(), c.styles) << c.cx;
        EXPECT_EQ(l.style_buttons.front().x, 416);
    }
    const MainLayout wide = LayoutMainWindow(1600, 1000);
    EXPECT_EQ(wide.logo_shown, true);
    EXPECT_EQ(wide.logo, (Rect{767, 7, 826, 30}));
    EXPECT_EQ(wide.style_buttons[9].x, 720);  // 416 + 9 x (32 + 16/9)
}

TEST(MainLayoutTest, ALowWindowStopsBeforeTheLibrary) {
    const MainLayout l = LayoutMainWindow(800, 150);  // h 30, H 100: 116 leaves no room
    EXPECT_TRUE(l.PlaceOf(IDC_OBJ_RIGHT));
    EXPECT_FALSE(l.PlaceOf(IDC_OBJ_LIB));
    EXPECT_FALSE(l.complete);
}

}  // namespace
}  // namespace vx
