// The logo bar: colour shift from the colours at opening, centring, canvas size.

#include "BarFixture.h"

namespace vx::test {
namespace {

class LogoBarTest : public BarTest {
protected:
    LogoBar* Open() {
        w->OnCommand(ID_WINDOW_LOGOIMAGE);
        return Bar<LogoBar>();
    }
    HslF& Colour(int n) const { return w->lf.obj[n]->lt.color; }
};

TEST_F(LogoBarTest, SlidersBackInTheMiddleRestoreTheColoursAndCancelRestoresAll) {
    Colour(0) = {33.3f, 120.7f, 90.1f};
    w->lf.obj[1]->lt.shadow_color = {201.9f, 17.2f, 203.3f};
    w->s.Track();
    const LeFile before = w->lf;
    LogoBar* bar = Open();
    const LeFile opened = w->lf;  // opening re-bases the canvas size
    ASSERT_NE(bar, nullptr);
    // How a shift changes a colour is the engine's rule; the bar's controls
    // drive it over every object's colours.
    DragSliderToEnd(bar->lightness(), true);
    DragSliderToEnd(bar->hue(), false);
    Spin(bar->saturation(), 50);
    EXPECT_NE(Colour(0).l, before.obj[0]->lt.color.l);
    EXPECT_GT(Colour(0).s, before.obj[0]->lt.color.s);
    EXPECT_NE(w->lf.obj[1]->lt.shadow_color.h, before.obj[1]->lt.shadow_color.h);
    Spin(bar->lightness(), -100);
    Spin(bar->saturation(), -50);
    bar->hue()->SetFraction(0.5f);  // the edit's change applies
    std::string why;
    EXPECT_TRUE(SameStoredDocument(w->lf, opened, &why)) << why;
    bar->center_button()->click();
    bar->cancel_button()->click();
    EXPECT_TRUE(SameStoredDocument(w->lf, before, &why)) << why;
}

TEST_F(LogoBarTest, ShiftFlagsAreKeptAndChooseTheColours) {
    LogoBar* bar = Open();
    bar->background()->click();  // off
    bar->current_only()->click();
    const HslF bgc = w->lf.bgc;
    const HslF other = Colour(1);
    DragSliderToEnd(bar->lightness(), false);
    EXPECT_FLOAT_EQ(Colour(0).l, 0.0f);
    EXPECT_FLOAT_EQ(w->lf.bgc.l, bgc.l);
    EXPECT_FLOAT_EQ(Colour(1).l, other.l);
    bar->ok_button()->click();
    bar = Open();
    EXPECT_TRUE(bar->current_only()->isChecked());
    EXPECT_FALSE(bar->background()->isChecked());
    bar->current_only()->click();
    bar->background()->click();
    bar->ok_button()->click();
}

TEST_F(LogoBarTest, CanvasSizeIsKeptIn5To3000AndFixingTakesTheShownCanvas) {
    const int dw = LeFile::ob.dw;
    LogoBar* bar = Open();
    EXPECT_FALSE(bar->canvas_edit(0)->isEnabled());
    bar->fixed_check()->click();
    EXPECT_EQ(w->lf.fixed_canvas, 1);
    EXPECT_EQ(w->lf.canvas_w, dw);  // which canvas it takes is the session's rule
    EXPECT_TRUE(bar->canvas_edit(0)->isEnabled());
    bar->canvas_edit(0)->setText("4000");
    bar->canvas_edit(1)->setText("2");
    EXPECT_EQ(w->lf.canvas_w, 3000);
    EXPECT_EQ(w->lf.canvas_h, 5);
    bar->ok_button()->click();
    EXPECT_EQ(w->lf.canvas_w, 3000);
}

}  // namespace
}  // namespace vx::test
