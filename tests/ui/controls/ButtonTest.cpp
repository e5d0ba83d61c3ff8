// LeButton: fires on button-down, popup mode, and hover on moves and the timer
// for every control that highlights.

#include <QMenu>
#include <QSignalSpy>

#include <cmath>

#include "ControlFixture.h"
#include "ui/controls/LeButton.h"
#include "ui/controls/SlBtn.h"
#include "ui/controls/ZebSlider.h"

namespace vx {
namespace {

class ButtonTest : public test::ControlTest {
protected:
    void SetUp() override {
        ControlTest::SetUp();
        Place(button, QRect(10, 10, 120, 30));
    }
    LeButton button{"Text...", &host};
};

TEST_F(ButtonTest, FiresWhenTheLeftButtonGoesDownNotOnRelease) {
    struct Case {
        const char* what;
        Qt::MouseButton mouse;
        bool enabled;
        int fired;
    };
    const Case cases[] = {
        {"left button", Qt::LeftButton, true, 1},
        {"right button", Qt::RightButton, true, 0},
        {"disabled", Qt::LeftButton, false, 0},
    };
    for (const Case& c : cases) {
        button.setEnabled(c.enabled);
        QSignalSpy fired(&button, &LeButton::pressedDown);
        QTest::mousePress(&button, c.mouse, {}, QPoint(60, 15));
        EXPECT_EQ(fired.count(), c.fired) << c.what;
        EXPECT_EQ(button.pressed(), c.fired == 1) << c.what;
        QTest::mouseRelease(&button, c.mouse, {}, QPoint(60, 15));
        EXPECT_EQ(fired.count(), c.fired) << c.what << ": the release fires nothing";
        EXPECT_FALSE(button.pressed()) << c.what;
    }
}

TEST_F(ButtonTest, PopupModeOpensTheOwnersMenuCentredUnderTheClickInsteadOfFiring) {
    QMenu menu;
    button.SetPopupMenu(&menu);
    // The owner fills the menu when asked, as the object list is rebuilt per click.
    QObject::connect(&button, &LeButton::menuRequested, [&] {
        menu.clear();
        menu.addAction("Vexo (Text)");
        menu.addAction("Star (Image)");
    });
    QSignalSpy fired(&button, &LeButton::pressedDown);
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(60, 15));
    EXPECT_EQ(fired.count(), 0);
    ASSERT_TRUE(menu.isVisible());
    EXPECT_EQ(menu.actions().size(), 2);
    EXPECT_NEAR(menu.geometry().center().x(), button.mapToGlobal(QPoint(60, 15)).x(), 1);
    EXPECT_TRUE(button.pressed());
    menu.hide();
    EXPECT_FALSE(button.pressed());
}

TEST_F(ButtonTest, HoverFollowsMovesAndGoesOffOnTheTimerTickAfterTheCursorLeft) {
    ZebSlider paged(LibraryKind::Styles, &host), stepped(LibraryKind::Objects, &host);
    paged.SetPages(3, 1);  // a thumb to highlight
    SlBtn arrow(&stepped, +1, &host);
    for (HoverControl* control : std::initializer_list<HoverControl*>{&button, &paged, &arrow}) {
        Place(*control, QRect(150, 40, 60, 17));
        CursorAway();
        control->MoTimer();
        const QImage normal = Grab(*control);
        MoveOver(*control, QPoint(20, 8));
        EXPECT_TRUE(control->hot()) << control->metaObject()->className();
        EXPECT_NE(Grab(*control), normal) << control->metaObject()->className();
        control->MoTimer();
        EXPECT_TRUE(control->hot()) << "a tick with the cursor inside keeps the highlight";
        CursorAway();
        control->MoTimer();
        EXPECT_FALSE(control->hot()) << control->metaObject()->className();
        EXPECT_EQ(Grab(*control), normal) << control->metaObject()->className();
    }
}

// The weighted column of what the icon adds to a blank face.
double IconColumn(const QImage& icon, const QImage& blank) {
    double sum = 0, weight = 0;
    for (int y = 0; y < icon.height(); ++y)
        for (int x = 0; x < icon.width(); ++x) {
            const int d = qGray(blank.pixel(x, y)) - qGray(icon.pixel(x, y));
            sum += static_cast<double>(d) * x;
            weight += d;
        }
    return weight > 0 ? sum / weight : -1;
}

TEST_F(ButtonTest, PrevTurnsTheNextArrowHalfATurn) {
    LeButton blank({}, &host), next({}, &host), prev({}, &host);
    for (LeButton* b : {&blank, &next, &prev}) Place(*b, QRect(150, 10, 35, 30));
    next.SetIcon(132, 0.0f);
    prev.SetIcon(132, 0.5f);
    const QImage face = Grab(blank);
    const double n = IconColumn(Grab(next), face);
    const double p = IconColumn(Grab(prev), face);
    // Turned half round the button's middle column (17): the arrow's weight
    // lies mirrored, not in the same place.
    EXPECT_NEAR(n + p, 2 * 17.0, 0.25) << n << " " << p;
    EXPECT_GT(std::abs(n - p), 0.5) << n << " " << p;
}

}  // namespace
}  // namespace vx
