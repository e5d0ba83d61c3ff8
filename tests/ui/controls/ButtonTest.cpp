// LeButton: fires on button-down, popup mode, and hover on moves and the timer
// for every control that highlights.

#include <QMenu>
#include <QSignalSpy>

#include <functional>
#include <memory>

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
    ZebSlider slider(LibraryKind::Objects, &host);
    const std::function<std::unique_ptr<HoverControl>()> makers[] = {
        [&] { return std::make_unique<LeButton>("Text...", &host); },
        [&] {
            auto paged = std::make_unique<ZebSlider>(LibraryKind::Styles, &host);
            paged->SetPages(3, 1);  // a thumb to highlight
            return paged;
        },
        [&] { return std::make_unique<SlBtn>(&slider, +1, &host); },
    };
    for (const auto& make : makers) {
        auto control = make();
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
        EXPECT_TRUE(control->hot()) << "no event yet";
        control->MoTimer();
        EXPECT_FALSE(control->hot()) << control->metaObject()->className();
        EXPECT_EQ(Grab(*control), normal) << control->metaObject()->className();
    }
}

TEST_F(ButtonTest, CaptionIconAndStateChangeThePicture) {
    const QImage normal = Grab(button);
    button.SetCaption("Shape...");
    const QImage shape = Grab(button);
    EXPECT_NE(shape, normal);
    button.SetCaption("Text...");
    EXPECT_EQ(Grab(button), normal) << "the same caption draws the same picture";
    button.setEnabled(false);
    EXPECT_NE(Grab(button), normal);
    button.setEnabled(true);
}

}  // namespace
}  // namespace vx
