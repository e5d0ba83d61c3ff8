#include <gtest/gtest.h>

#include <array>

#include "session/DragRules.h"
#include "support/SessionFixture.h"

namespace vx {
namespace {

TEST(DragRulesTest, PickTakesTheFrontObjectAndIncludesTheEdges) {
    LeFile lf = test::DocumentOfKinds({TEXT_OBJECT, SHAPE_OBJECT}, 1);  // -20..20, -10..10
    lf.obj[1]->x = 30;                                                  // 10..50
    const struct {
        int cx, cy, hit;
    } cases[] = {{15, 0, 1}, {-20, -10, 0}, {20, 10, 1}, {50, 10, 1}, {51, 0, -1}, {0, 11, -1}};
    for (const auto& c : cases) EXPECT_EQ(PickObject(lf, c.cx, c.cy), c.hit) << c.cx << "," << c.cy;
}

// 801 x 600: centres from -400 to 401 and from -300 to 300.
TEST(DragRulesTest, ADroppedCentreStaysInsideTheWindow) {
    for (auto [x, y, cx, cy] :
         {std::array{5000, -5000, 401, -300}, {-5000, 5000, -400, 300}, {12, 7, 12, 7}}) {
        ClampToWindow(x, y, 801, 600);
        EXPECT_EQ(std::pair(x, y), std::pair(cx, cy));
    }
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
