// The library page slider and its arrow buttons driven with the mouse.

#include <QSignalSpy>

#include "ControlFixture.h"
#include "ui/controls/ControlArt.h"
#include "ui/controls/LeStatic.h"
#include "ui/controls/SlBtn.h"
#include "ui/controls/ZebSlider.h"

namespace vx {
namespace {

class SliderTest : public test::ControlTest {
protected:
    void SetUp() override {
        ControlTest::SetUp();
        Place(label, QRect(2, 10, 213, 17));
        Place(left, QRect(7, 30, 17, 17));
        Place(slider, QRect(24, 30, 166, 17));
        Place(right, QRect(190, 30, 17, 17));
        slider.SetLabel(&label);
        slider.SetPages(5, 0);
    }

    LeStatic label{{}, &host};
    ZebSlider slider{LibraryKind::Objects, &host};
    SlBtn left{&slider, -1, &host};
    SlBtn right{&slider, +1, &host};
    QSignalSpy changed{&slider, &ZebSlider::pageChanged};
};

// Where a drag lands is the paging rule's; the slider pages, relabels and
// announces once, on release, even when the page stayed.
TEST_F(SliderTest, ADragMovesThePageAndLabelAndAnnouncesOnRelease) {
    slider.SetPages(5, 2);
    QTest::mouseClick(&slider, Qt::LeftButton, {}, QPoint(150, 8));
    EXPECT_EQ(slider.page(), 2) << "a press alone does not page";
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed.at(0).at(0).toInt(), 2);
    QTest::mousePress(&slider, Qt::LeftButton, {}, QPoint(10, 8));
    QTest::mouseMove(&slider, QPoint(100, 8));
    EXPECT_EQ(slider.page(), 3);
    EXPECT_EQ(label.text(), "Objects Library: page #4 of 5");
    EXPECT_EQ(changed.count(), 1) << "the library is not re-paged during the drag";
    QTest::mouseRelease(&slider, Qt::LeftButton, {}, QPoint(100, 8));
    ASSERT_EQ(changed.count(), 2);
    EXPECT_EQ(changed.at(1).at(0).toInt(), 3);
}

TEST_F(SliderTest, ArrowsStepOnePageWithinThePagesAndADoubleClickStepsTwice) {
    struct Case {
        int page;
        bool right_arrow, double_click;
        int after, announced;
    };
    const Case cases[] = {
        {2, true, false, 3, 1},
        {2, false, false, 1, 1},
        {1, true, true, 3, 2},
        {1, false, true, 0, 1},  // the second step would leave the pages
    };
    for (const Case& c : cases) {
        slider.SetPages(5, c.page);
        changed.clear();
        SlBtn& arrow = c.right_arrow ? right : left;
        QTest::mouseClick(&arrow, Qt::LeftButton, {}, QPoint(8, 8));
        if (c.double_click) {
            QTest::mouseDClick(&arrow, Qt::LeftButton, {}, QPoint(8, 8));
            QTest::mouseRelease(&arrow, Qt::LeftButton, {}, QPoint(8, 8));
        }
        EXPECT_EQ(slider.page(), c.after) << "from page " << c.page;
        EXPECT_EQ(changed.count(), c.announced) << "from page " << c.page;
        EXPECT_EQ(label.text(), QString("Objects Library: page #%1 of 5").arg(c.after + 1));
        EXPECT_FALSE(arrow.pressed());
    }
}

TEST_F(SliderTest, DisabledSliderAndArrowsDoNotPage) {
    slider.SetPages(5, 2);
    for (QWidget* w : {static_cast<QWidget*>(&slider), static_cast<QWidget*>(&left),
                       static_cast<QWidget*>(&right)}) {
        w->setEnabled(false);
        QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(4, 8));
    }
    EXPECT_EQ(slider.page(), 2);
    EXPECT_EQ(changed.count(), 0);
}

TEST_F(SliderTest, TheThumbIsDrawnAtItsPageAndNotWithOnePage) {
    const QImage strip = ControlArt::SliderStrip().convertToFormat(QImage::Format_RGB32);
    const auto is_strip_column = [&](const QImage& shot, int x) {
        for (int y = 0; y < shot.height(); ++y)
            if (shot.pixel(x, y) != strip.pixel(0, y)) return false;
        return true;
    };
    slider.SetPages(5, 3);
    const QImage shot = Grab(slider);
    EXPECT_EQ(shot.copy(100, 0, ControlArt::THUMB_WIDTH, 17),
              ControlArt::Thumb(ControlState::Normal).convertToFormat(QImage::Format_RGB32));
    EXPECT_TRUE(is_strip_column(shot, 99));
    EXPECT_TRUE(is_strip_column(shot, 132));

    slider.SetPages(1, 0);
    const QImage single = Grab(slider);
    for (int x = 0; x < single.width(); ++x) EXPECT_TRUE(is_strip_column(single, x)) << "x " << x;
}

TEST_F(SliderTest, AnEmptyLibraryAnnouncesNothingAndAPageBeyondTheCountIsReported) {
    slider.SetPages(0, 0);
    slider.PageChanged();
    EXPECT_EQ(changed.count(), 0);
    EXPECT_TRUE(rec.reports.empty());

    slider.SetPages(3, 3);
    slider.PageChanged();
    EXPECT_EQ(changed.count(), 0);
    EXPECT_EQ(rec.FailedExpressions(), std::vector<std::string>{"page<pages"});
    rec.reports.clear();
}

}  // namespace
}  // namespace vx
