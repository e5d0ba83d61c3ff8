#include <gtest/gtest.h>

#include "render/FontCatalogue.h"
#include "render/FtText.h"
#include "render/ShapeIndex.h"
#include "support/TestFonts.h"

namespace vx::test {
namespace {

TEST(FontCatalogue, FindsCategoriesIgnoringCaseAndZeroForUnknownOrSymbolFaces) {
    const std::pair<std::string, int> cases[] = {
        {SANS, 0},
        {"dejavu sans bold", 1},
        {"DEJAVU SERIF BOOK", 0},
        {"No Such Face", 0},
        {SYMBOLS, 0},
        {"", 0},
    };
    for (const auto& [name, cat] : cases) EXPECT_EQ(FontCategory(name), cat) << name;
}

TEST(FontCatalogue, ListsTheFacesOfOneCategoryInLoadOrder) {
    EXPECT_EQ(FontsInCategory(0), (std::vector<std::string>{SANS, SERIF}));
    EXPECT_EQ(FontsInCategory(1), (std::vector<std::string>{SANS_BOLD}));
    EXPECT_TRUE(FontsInCategory(5).empty());
    EXPECT_STREQ(FontCategoryTab(0), "A - A");
    EXPECT_STREQ(FontCategoryTab(10), "T - Z");
    EXPECT_STREQ(FontCategoryTab(11), "");
}

TEST(FontCatalogue, SelectsTheFirstItemBeginningWithTheName) {
    const std::vector<std::string> items{SANS, SERIF, SANS_BOLD};
    const std::pair<const char*, int> cases[] = {
        {"dejavu sans", 0}, {"DejaVu Sans Bold", 2}, {"dejavu se", 1}, {"Arial", -1}};
    for (const auto& [name, index] : cases) EXPECT_EQ(FindFontItem(items, name), index) << name;
}

// The cached index first, then a search by glyph that refreshes a stale or
// impossible one; a shape of another face is not in the library.
TEST(ShapeIndex, CachedIndexFirstThenASearchThatRefreshesIt) {
    ASSERT_GT(FtText::ShapeCount(), 6);
    auto o = ShapeObject(FtText::Shape(5).glyph, 40, 40, 0, 0);
    for (const int cached : {5, 2, 1 << 20}) {
        o->lib_index = cached;
        EXPECT_EQ(ShapeIndexOf(*o), 5) << cached;
        EXPECT_EQ(o->lib_index, 5) << cached;
    }
    o->lt.font = "No Such Face";
    EXPECT_EQ(ShapeIndexOf(*o), -1);
}

}  // namespace
}  // namespace vx::test
