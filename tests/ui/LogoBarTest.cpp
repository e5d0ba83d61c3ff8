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

// How a shift changes a colour is the engine's rule; the sliders drive it.
TEST_F(LogoBarTest, HueAndSaturationShiftEveryObjectsColour) {
    Colour(0) = {200, 200, 100};
    Colour(1) = {50, 100, 100};
    LogoBar* bar = Open();
    ASSERT_NE(bar, nullptr);
    DragSliderToEnd(bar->hue(), true);
    EXPECT_NEAR(Colour(0).h, 81.0f, 1e-3);
    Spin(bar->saturation(), 50);  // +50: times 1.5
    EXPECT_FLOAT_EQ(Colour(0).s, 240.0f);
    EXPECT_FLOAT_EQ(Colour(1).s, 150.0f);
}

TEST_F(LogoBarTest, SlidersBackInTheMiddleRestoreTheColoursAndCancelRestoresAll) {
    Colour(0) = {33.3f, 120.7f, 90.1f};
    w->lf.obj[1]->lt.shadow_color = {201.9f, 17.2f, 203.3f};
    w->s.Track();
    const LeFile before = w->lf;
    LogoBar* bar = Open();
    const LeFile opened = w->lf;  // opening re-bases the canvas size
    DragSliderToEnd(bar->lightness(), true);
    DragSliderToEnd(bar->hue(), false);
    EXPECT_NE(Colour(0).l, before.obj[0]->lt.color.l);
    Spin(bar->lightness(), -100);
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
    const int dh = LeFile::ob.dh;
    LogoBar* bar = Open();
    EXPECT_FALSE(bar->canvas_edit(0)->isEnabled());
    bar->fixed_check()->click();
    EXPECT_EQ(w->lf.fixed_canvas, 1);
    EXPECT_EQ(w->lf.canvas_w, dw);
    EXPECT_EQ(w->lf.canvas_h, dh);
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
