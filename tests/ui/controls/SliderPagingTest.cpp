// The page arithmetic of the library page sliders and their arrows.

#include <gtest/gtest.h>

#include "ui/controls/SliderPaging.h"

namespace vx {
namespace {

TEST(SliderPaging, DraggingSelectsThePageUnderTheMouseClampedToTheSlider) {
    struct Case {
        int pages, x, dx, page;
    };
    const Case cases[] = {
        {5, 100, 166, 3},  // 5*100/166
        {5, 0, 166, 0},
        {5, 165, 166, 4},
        {5, 500, 166, 4},  // right of it: last page
        {5, -40, 166, 0},  // left of it: first page
        {60, 83, 166, 30},
        {1, 120, 166, 0},
        {2000000, 165, 166, 1987951},  // large counts do not overflow
    };
    for (const Case& c : cases) {
        SliderPaging s;
        s.Set(c.pages, 0);
        EXPECT_EQ(s.DragTo(c.x, c.dx), c.page) << c.pages << " pages, x " << c.x;
        EXPECT_EQ(s.page(), c.page);
    }
}

TEST(SliderPaging, TheThumbSitsAtItsPageAndOnlyWhenThereIsMoreThanOnePage) {
    struct Case {
        int pages, page, dx;
        bool thumb;
        int x;
    };
    const Case cases[] = {
        {5, 3, 166, true, 100},  // (3*134)/4
        {5, 0, 166, true, 0},   {5, 4, 166, true, 134},
        {2, 1, 155, true, 123}, {1, 0, 166, false, 0},
        {0, 0, 166, false, 0},  {5, 5, 166, false, 0},  // a page beyond the count draws no thumb
    };
    for (const Case& c : cases) {
        SliderPaging s;
        s.Set(c.pages, c.page);
        EXPECT_EQ(s.HasThumb(), c.thumb) << c.pages << " pages, page " << c.page;
        if (c.thumb) {
            EXPECT_EQ(s.ThumbX(c.dx), c.x);
        }
    }
}

TEST(SliderPaging, ArrowStepsStayWithinThePages) {
    struct Case {
        int pages, page, step;
        bool moved;
        int after;
    };
    const Case cases[] = {
        {5, 0, -1, false, 0}, {5, 4, +1, false, 4},  // the ends do nothing
        {5, 0, +1, true, 1},  {5, 4, -1, true, 3},  {1, 0, +1, false, 0}, {0, 0, -1, false, 0},
    };
    for (const Case& c : cases) {
        SliderPaging s;
        s.Set(c.pages, c.page);
        EXPECT_EQ(s.Step(c.step), c.moved) << "page " << c.page << " step " << c.step;
        EXPECT_EQ(s.page(), c.after);
    }
}

TEST(SliderPaging, TheLabelNamesTheLibraryAndCountsFromOne) {
    SliderPaging s;
    s.Set(5, 2);
    EXPECT_EQ(s.Label(LibraryKind::Objects), "Objects Library: page #3 of 5");
    s.Set(12, 11);
    EXPECT_EQ(s.Label(LibraryKind::Styles), "Styles Library: page #12 of 12");
}

}  // namespace
}  // namespace vx
