#include <gtest/gtest.h>

#include "session/DragRules.h"
#include "support/ObjectKinds.h"

namespace vx {
namespace {

TEST(DragRulesTest, PickTakesTheFrontObjectAndIncludesTheEdges) {
    LeFile lf;
    test::AddObjectsOfKinds(lf, {TEXT_OBJECT, SHAPE_OBJECT}, 40, 20);  // both -20..20, -10..10
    lf.obj[1]->x = 30;                                                 // 10..50
    const struct {
        int cx, cy, hit;
    } cases[] = {{15, 0, 1}, {-20, -10, 0}, {20, 10, 1}, {50, 10, 1}, {51, 0, -1}, {0, 11, -1}};
    for (const auto& c : cases) EXPECT_EQ(PickObject(lf, c.cx, c.cy), c.hit) << c.cx << "," << c.cy;
}

TEST(DragRulesTest, ADroppedCentreStaysInsideTheWindow) {
    int x = 5000, y = -5000;
    ClampToWindow(x, y, 801, 600);
    EXPECT_EQ(x, 401);
    EXPECT_EQ(y, -300);
    x = 12, y = 7;
    ClampToWindow(x, y, 801, 600);
    EXPECT_EQ(x, 12);
    EXPECT_EQ(y, 7);
}

TEST(DragRulesTest, ResizeScalesBothAndKeepsEachInsideItsLimits) {
    const ResizeDrag drag{100, 2500, 6};
    LogoParams lt;
    lt.width = 2500;
    lt.size = 6;
    EXPECT_TRUE(drag.Apply(1, 200, lt));  // factor 1.495: width 3737 refused
    EXPECT_EQ(lt.width, 2500);
    EXPECT_EQ(lt.size, 8);
    EXPECT_TRUE(drag.Apply(199, 200, lt));  // divided by 1.495: size 4 refused
    EXPECT_EQ(lt.width, 1672);
    EXPECT_EQ(lt.size, 8);
    EXPECT_FALSE(drag.Apply(0, 200, lt));
    EXPECT_FALSE(drag.Apply(200, 200, lt));
}

}  // namespace
}  // namespace vx
