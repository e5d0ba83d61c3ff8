// The text, effects, gradient, transform and image bars driven as a user would.

#include <QLabel>
#include <QRadioButton>
#include <QTabBar>

#include "BarFixture.h"
#include "render/FtText.h"
#include "session/ShapePaging.h"
#include "support/TestFonts.h"
#include "ui/bars/FontsBox.h"
#include "ui/bars/GradPreview.h"
#include "ui/bars/ShapeList.h"
#include "ui/controls/Slider.h"

namespace vx::test {
namespace {

TEST_F(BarTest, TextBarStoresTheAspectTruncatedAndKeepsSizesBeyondTheSlider) {
    Cur().aspect = 1.35f;
    Cur().size = 100;
    w->EditText(false);
    auto* bar = Bar<TextBar>();
    EXPECT_EQ(bar->aspect()->edit()->text(), "1.3");
    Spin(bar->size(), 1);
    EXPECT_FLOAT_EQ(Cur().aspect, 1.3f);
    EXPECT_EQ(Cur().size, 101);
    EXPECT_FLOAT_EQ(bar->size()->slider()->value(), 1.0f);
    Spin(bar->spacing(), -1);
    EXPECT_EQ(Cur().spacing, -1);
    EXPECT_EQ(bar->text_line()->maxLength(), 499);
}

TEST_F(BarTest, TextBarTitleFollowsTheTextAndTheFontListPicksTheFace) {
    w->EditText(false);
    auto* bar = Bar<TextBar>();
    EXPECT_EQ(bar->tabs()->count(), 11);
    EXPECT_EQ(bar->fonts()->SelectedFont(), SANS);
    QTest::keyClicks(bar->text_line(), "!");
    EXPECT_EQ(Cur().str, "Title!");
    EXPECT_EQ(bar->windowTitle(), "Basic Text Options: 'Title!'");
    bar->tabs()->setCurrentIndex(1);
    EXPECT_EQ(bar->fonts()->SelectedFont(), "");
    EXPECT_EQ(Cur().font, SANS);  // no choice yet
    bar->fonts()->setCurrentRow(0);
    EXPECT_EQ(Cur().font, SANS_BOLD);
}

TEST_F(BarTest, TextBarOnAnUnknownFaceOpensOnTheFirstTabAndKeepsTheFaceUntilApplied) {
    Cur().font = "No Such Face";
    Cur().grad = 1;
    w->EditText(false);
    auto* bar = Bar<TextBar>();
    EXPECT_EQ(bar->tabs()->currentIndex(), 0);
    EXPECT_EQ(bar->fonts()->currentRow(), 0);
    EXPECT_EQ(Cur().font, "No Such Face");
    EXPECT_FALSE(bar->swatch()->isEnabled());
    Spin(bar->size(), 1);
    EXPECT_EQ(Cur().font, SANS);
}

TEST_F(BarTest, EffectsBarKeepsExactOpacitiesAndEnablesByItsCheckBoxes) {
    Cur().shadow_opacity = 0.555f;
    Cur().has_shadow = 1;
    w->EditEffects();
    auto* bar = Bar<EffectsBar>();
    EXPECT_EQ(bar->shadow_opacity()->edit()->text(), "55");
    EXPECT_EQ(Enabled({bar->sharpness()->slider(), bar->strength()->slider()}), "01");
    Spin(bar->shadow_distance(), 1);
    EXPECT_EQ(Cur().shadow_distance, 6);
    EXPECT_FLOAT_EQ(Cur().shadow_opacity, 0.555f);
    bar->shadow_check()->click();
    EXPECT_EQ(Cur().has_shadow, 0);
    EXPECT_EQ(Enabled({bar->strength()->slider(), bar->shadow_angle()->edit(),
                       bar->outline_swatch(), bar->shadow_swatch(), bar->ok_button()}),
              "00001");
    EXPECT_TRUE(bar->shadow_opacity()->edit()->isReadOnly());
}

// A press alone changes nothing; a move within one shown number still stores
// the exact fraction; beyond the ends the value holds at 0 or 1.
TEST_F(BarTest, SlidersSetOnMoveStoreExactFractionsAndHoldAtTheEnds) {
    Cur().has_outline = 1;
    w->EditEffects();
    NumberTrio* opacity = Bar<EffectsBar>()->outline_opacity();
    Slider* s = opacity->slider();
    QTest::mousePress(s, Qt::LeftButton, {}, QPoint(s->width() / 2, 5));
    EXPECT_FLOAT_EQ(Cur().outline_opacity, 1.0f);
    const int x = 5 + (s->width() - 10) / 2;
    QTest::mouseMove(s, QPoint(x, 5));
    QTest::mouseRelease(s, Qt::LeftButton, {}, QPoint(x, 5));
    const float first = Cur().outline_opacity;
    EXPECT_NEAR(first, 0.5f, 0.01f);
    DragSlider(opacity, x + 1);
    EXPECT_GT(Cur().outline_opacity, first);
    DragSliderToEnd(opacity, false);
    EXPECT_FLOAT_EQ(Cur().outline_opacity, 0.0f);
    EXPECT_EQ(opacity->edit()->text(), "0");
}

TEST_F(BarTest, GradientBarCheckBoxEnablesEverythingAndTheAngleSpinApplies) {
    w->EditGradient();
    auto* bar = Bar<GradientBar>();
    EXPECT_EQ(Enabled({bar->preview(), bar->swatch(1)}), "00");
    bar->grad_check()->click();
    EXPECT_EQ(Cur().grad, 1);
    EXPECT_EQ(Enabled({bar->preview(), bar->swatch(1)}), "11");
    Spin(bar->angle(), 1);
    EXPECT_EQ(Cur().grad_angle, 1);
    DragSliderToEnd(bar->opacity2(), false);
    EXPECT_FLOAT_EQ(Cur().grad_opacity2, 0.0f);
}

TEST_F(BarTest, TransformBarStepsTheRotationAndBendsOnlyWhenTransformed) {
    Cur().angle = 0.5f;
    Cur().has_bend = 1;
    w->EditTransform();
    auto* bar = Bar<TransformBar>();
    EXPECT_EQ(bar->rotation()->edit()->text(), "180");
    EXPECT_EQ(Enabled({bar->bend_check(), bar->radius()->slider()}), "00");
    bar->transform_check()->click();
    EXPECT_EQ(Enabled({bar->bend_check(), bar->radius()->slider()}), "11");
    Spin(bar->rotation(), 1);
    EXPECT_FLOAT_EQ(Cur().angle, 181.0f / 360);
    bar->bend_inside()->click();
    EXPECT_EQ(Cur().bend_in, 1);
}

TEST_F(BarTest, ImageObjectBarConstrainsAndRotationZeroClearsTheTransform) {
    SelectShape();
    Cur().width = 80;
    Cur().size = 40;
    Cur().angle = 0.25f;
    Cur().has_transform = 1;
    Cur().grad = 1;
    w->EditImage(false);
    auto* bar = Bar<Imopt>();
    EXPECT_FALSE(bar->constrain()->isChecked());
    bar->constrain()->click();
    EXPECT_EQ(Cur().size, 80);
    EXPECT_EQ(Enabled({bar->swatch(), bar->height_trio()->edit()}), "00");
    DragSliderToEnd(bar->rotation(), false);
    EXPECT_FLOAT_EQ(Cur().angle, 0.0f);
    EXPECT_EQ(Cur().has_transform, 0);
}

TEST_F(BarTest, ShapeLibraryOverAWorkingCopyKeepsTheLogoOnCancelAndTakesTheShapeOnOk) {
    SelectShape();
    w->EditImage(false);
    auto* bar = Bar<Imopt>();
    const LeFile before = w->lf;
    auto pick = [](bool ok) {
        return [ok](QWidget* modal) {
            auto* library = dynamic_cast<ImageBar*>(modal);
            ASSERT_NE(library, nullptr);
            ShapeList* list = library->list();
            QTest::mouseClick(list, Qt::LeftButton, {}, list->CellCentre(3));
            (ok ? library->ok_button() : library->cancel_button())->click();
        };
    };
    WithModal(pick(false), [&] { bar->library_button()->click(); });
    EXPECT_TRUE(SameStoredDocument(w->lf, before));
    WithModal(pick(true), [&] { bar->library_button()->click(); });
    EXPECT_EQ(Cur().shape, FtText::Shape(3).glyph);
    EXPECT_EQ(w->lf.objs, before.objs);
}

TEST_F(BarTest, ImageBarPagesWithItsLabelsAndButtons) {
    SelectShape();
    w->EditShape();
    auto* bar = Bar<ImageBar>();
    const ShapePages p = bar->pages();
    ASSERT_GT(p.pages, 2);
    EXPECT_EQ(bar->tabs()->count(), p.pages);
    EXPECT_EQ(bar->tabs()->tabText(1), QString::fromStdString(ShapeTabCaption(1, p.itmpp)));
    EXPECT_EQ(p.page, 0);
    EXPECT_FALSE(bar->prev_page()->isEnabled());
    bar->next_page()->click();
    EXPECT_EQ(bar->pages().page, 1);
    EXPECT_EQ(bar->tabs()->currentIndex(), 1);
    EXPECT_EQ(bar->page_label()->text().toStdString(), ShapePageLabel(bar->pages()));
    bar->tabs()->setCurrentIndex(p.pages - 1);
    EXPECT_FALSE(bar->next_page()->isEnabled());
    ShapeList* list = bar->list();
    QTest::mouseClick(list, Qt::LeftButton, {}, list->CellCentre(2));
    const int n = (p.pages - 1) * p.itmpp + 2;
    EXPECT_EQ(Cur().shape, FtText::Shape(n).glyph);
    EXPECT_EQ(Cur().font, FtText::Shape(n).font);
}

}  // namespace
}  // namespace vx::test
