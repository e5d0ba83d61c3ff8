#include <gtest/gtest.h>

#include "session/CommandIds.h"
#include "session/WindowMenu.h"
#include "support/ObjectKinds.h"

namespace vx {
namespace {

TEST(WindowMenuTest, GroupsPerObjectInListOrderBitmapsLeftOut) {
    LeFile lf;
    test::AddObjectsOfKinds(lf, {TEXT_OBJECT, BITMAP_OBJECT, SHAPE_OBJECT});
    const std::vector<WindowMenuEntry> m = BuildWindowMenu(lf);
    ASSERT_EQ(m.size(), 11u);
    const std::pair<int, const char*> expected[] = {{40000, "Text: obj0"},
                                                    {40001, "Effects: obj0"},
                                                    {40002, "Gradient: obj0"},
                                                    {40003, "Transform: obj0"},
                                                    {0, ""},
                                                    {40020, "Image: obj2"},
                                                    {40021, "Shape: obj2"},
                                                    {40022, "Effects: obj2"},
                                                    {40023, "Gradient: obj2"},
                                                    {0, ""},
                                                    {ID_WINDOW_LOGOIMAGE, "Logo &Image..."}};
    for (std::size_t i = 0; i < m.size(); ++i) {
        EXPECT_EQ(m[i].id, expected[i].first) << i;
        EXPECT_EQ(m[i].text, expected[i].second) << i;
    }
}

TEST(WindowMenuTest, EntriesOf31CharactersOrMoreAreCut) {
    struct Case {
        std::string str;
        std::string text;
    };
    const Case cases[] = {
        {std::string(24, 'a'), "Text: " + std::string(24, 'a')},           // 30: kept
        {std::string(25, 'a'), "Text: " + std::string(20, 'a') + " ..."},  // 31: cut
        {std::string(40, 'b'), "Text: " + std::string(20, 'b') + " ..."},
    };
    for (const Case& c : cases) {
        LeFile lf;
        test::AddObjectsOfKinds(lf, {TEXT_OBJECT});
        lf.obj[0]->lt.str = c.str;
        EXPECT_EQ(BuildWindowMenu(lf)[0].text, c.text) << c.str.size();
    }
}

TEST(WindowMenuTest, CommandsNameAnObjectAndItsProperty) {
    LeFile lf;
    test::AddObjectsOfKinds(lf, {TEXT_OBJECT, SHAPE_OBJECT});
    const auto cmd = DecodeWindowCommand(40013, lf);
    ASSERT_TRUE(cmd);
    EXPECT_EQ(cmd->nobj, 1);
    EXPECT_EQ(cmd->k, 3);
    EXPECT_FALSE(DecodeWindowCommand(ID_WINDOW_LOGOIMAGE, lf));
}

}  // namespace
}  // namespace vx
