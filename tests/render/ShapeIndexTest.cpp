#include <gtest/gtest.h>

#include "render/FtText.h"
#include "render/ShapeIndex.h"
#include "support/TestFonts.h"

namespace vx {
namespace {

TEST(ShapeIndex, CachedIndexFirstThenASearchThatRefreshesIt) {
    ASSERT_GT(FtText::ShapeCount(), 6);
    const SymEntry& e = FtText::Shape(5);
    auto o = test::ShapeObject(e.glyph, 40, 40, 0, 0);
    o->lib_index = 5;
    EXPECT_EQ(ShapeIndexOf(*o), 5);
    o->lib_index = 2;  // stale
    EXPECT_EQ(ShapeIndexOf(*o), 5);
    EXPECT_EQ(o->lib_index, 5);
    o->lib_index = 1 << 20;  // out of range
    EXPECT_EQ(ShapeIndexOf(*o), 5);
    o->lt.font = "No Such Face";
    EXPECT_EQ(ShapeIndexOf(*o), -1);
}

}  // namespace
}  // namespace vx
