// The colour bar, modeless over the six colours and modal over another bar.

#include "BarFixture.h"
#include "ui/bars/HLPicker.h"
#include "ui/bars/HueSlider.h"
#include "ui/bars/SLSlider.h"

namespace vx::test {
namespace {

void Type(ColorBar* bar, int k, const char* text) {
    bar->rgb_edit(k)->setText(text);
}

// Types red, green and blue and has the bar read them as its timer would.
void TypeRgb(ColorBar* bar, const char* r, const char* g, const char* b) {
    const char* rgb[] = {r, g, b};
    for (int k = 0; k < 3; ++k) Type(bar, k, rgb[k]);
    bar->PollRgb();
}

TEST_F(BarTest, ColorBarTakesTypedRgbAndClipsAbove255) {
    w->OnCommand(ID_EDIT_OUTLINECOLOR);
    auto* bar = Bar<ColorBar>();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->selector()->currentText(), "Outline Color");
    TypeRgb(bar, "255", "0", "128");
    EXPECT_NEAR(Cur().outline_color.h, 219.9f, 0.05f);
    EXPECT_NEAR(bar->hue_view()->value(), 219.9f / 239, 1e-3);
    TypeRgb(bar, "300", "300", "300");
    EXPECT_EQ(bar->rgb_edit(0)->text(), "255");
    EXPECT_FLOAT_EQ(Cur().outline_color.l, 240.0f);
    // The timer reads them too.
    Type(bar, 0, "0");
    EXPECT_TRUE(QTest::qWaitFor([&] { return Cur().outline_color.l < 240.0f; }, 1000));
}

TEST_F(BarTest, ColorBarViewsEditTheSelectedVariableLive) {
    w->OnCommand(IDM_EDIT_BASICCOLOR);
    auto* bar = Bar<ColorBar>();
    bar->selector()->setCurrentIndex(5);
    HLPicker* palette = bar->palette_view();
    QTest::mouseClick(palette, Qt::LeftButton, {}, palette->CellCentre(16, 0));
    EXPECT_FLOAT_EQ(w->lf.bgc.l, 240.0f);
    EXPECT_EQ(bar->rgb_edit(2)->text(), "255");
    EXPECT_EQ(bar->swatch()->color(), QColor(Qt::white));
    bar->selector()->setCurrentIndex(0);
    SLSlider* field = bar->field_view();
    QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(field->width(), field->height() / 2));
    EXPECT_FLOAT_EQ(Cur().color.s, 240.0f);
    EXPECT_NEAR(Cur().color.l, 120.0f, 1.0f);
    const LeFile edited = w->lf;
    bar->cancel_button()->click();
    EXPECT_FLOAT_EQ(Cur().color.s, 0.0f);
    // The closed bar no longer writes what its edits hold.
    Type(bar, 0, "77");
    bar->PollRgb();
    EXPECT_FLOAT_EQ(Cur().color.s, 0.0f);
    w->OnCommand(ID_EDIT_REDO);
    EXPECT_TRUE(SameStoredDocument(w->lf, edited));
}

// The modal picker lists the one colour; Cancel after many colours restores
// the colour and every other object exactly.
TEST_F(BarTest, ModalPickerCancelRestoresTheWholeDocument) {
    Cur().has_outline = 1;
    w->EditEffects();
    auto* effects = Bar<EffectsBar>();
    const LeFile before = w->lf;
    // Opens the picker from the outline swatch, clicks palette cells (column, row)
    // and leaves with Ok or Cancel; the cells of row 5 are all fully saturated.
    const auto pick = [&](std::initializer_list<QPoint> cells, bool ok) {
        WithModal(
            [&](QWidget* modal) {
                auto* picker = dynamic_cast<ColorBar*>(modal);
                ASSERT_NE(picker, nullptr);
                EXPECT_EQ(picker->selector()->count(), 1);
                EXPECT_FALSE(picker->selector()->isEnabled());
                HLPicker* palette = picker->palette_view();
                for (QPoint c : cells)
                    QTest::mouseClick(palette, Qt::LeftButton, {},
                                      palette->CellCentre(c.x(), c.y()));
                if (!ok) {
                    EXPECT_FLOAT_EQ(Cur().outline_color.s, 240.0f) << "edited live";
                }
                (ok ? picker->ok_button() : picker->cancel_button())->click();
            },
            [&] { QTest::mouseClick(effects->outline_swatch(), Qt::LeftButton); });
    };
    pick({{0, 5}, {3, 5}, {6, 5}, {9, 5}, {12, 5}, {15, 5}}, false);
    EXPECT_TRUE(SameStoredDocument(w->lf, before));
    pick({{0, 0}}, true);
    EXPECT_FLOAT_EQ(Cur().outline_color.l, 0.0f);
    EXPECT_EQ(effects->outline_swatch()->color(), QColor(Qt::black));
}

}  // namespace
}  // namespace vx::test
