#include <gtest/gtest.h>

#include "render/FontCatalogue.h"
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
    EXPECT_EQ(FindFontItem(items, "dejavu sans"), 0);
    EXPECT_EQ(FindFontItem(items, "DejaVu Sans Bold"), 2);
    EXPECT_EQ(FindFontItem(items, "dejavu se"), 1);
    EXPECT_EQ(FindFontItem(items, "Arial"), -1);
}

}  // namespace
}  // namespace vx::test
