// The export dialog: its size rule with the clamps, the controls each logo and
// format enables, and Save with Cancel.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <filesystem>

#include "WindowFixture.h"
#include "support/Recorders.h"
#include "support/TempDir.h"
#include "support/TestFonts.h"
#include "ui/ExportDlg.h"
#include "ui/SpinEdit.h"

namespace vx::test {
namespace {

namespace fs = std::filesystem;

LeFile FixedCanvas(int w, int h) {
    LeFile lf = Holding(TextObject("Sized", SANS, 40, 37, -11));
    lf.fixed_canvas = 1;
    lf.canvas_w = w;
    lf.canvas_h = h;
    return lf;
}

QSize Shown(const ExportDlg& dlg) {
    return {dlg.width_edit()->text().toInt(), dlg.height_edit()->text().toInt()};
}

using ExportDlgTest = RecordingTest;

// The size rule and its clamps are the export's; the dialog shows its result
// for the edits, and a logo holding a picture locks the scale. An empty logo
// has no size and cannot be saved.
TEST_F(ExportDlgTest, TheShownSizeFollowsTheEditsUnlessAPictureLocksTheScale) {
    LeFile fixed = FixedCanvas(200, 80), picture = Holding(BitmapObject(40, 20, 60, 30)), empty;
    ExportDlg dlg(&fixed), locked(&picture), none(&empty);
    EXPECT_EQ(Shown(dlg), QSize(200, 80));  // 100 %, no margins
    EXPECT_EQ(Shown(none), QSize(0, 0));
    EXPECT_EQ(Enabled({dlg.scale_edit(), dlg.save_button(), none.save_button()}), "110");
    for (ExportDlg* d : {&dlg, &locked}) {
        d->scale_edit()->setValue(150);
        d->margin_edit()->setValue(10);
    }
    EXPECT_EQ(Shown(dlg), QSize(320, 140));
    EXPECT_EQ(Shown(locked), QSize(80, 50));
    EXPECT_EQ(Enabled({locked.scale_edit(), locked.scale_label(), locked.percent_label()}), "000");
    dlg.svg_radio()->click();
    EXPECT_EQ(Shown(dlg), QSize(320, 140));
}

TEST_F(ExportDlgTest, EachFormatEnablesQualityAndTransparencyAsItCan) {
    struct Case {
        ImageFormat format;
        bool svg;
        const char* enabled;  // the quality, its label, the transparency
    };
    LeFile lf = FixedCanvas(10, 10);
    ExportDlg dlg(&lf);
    EXPECT_TRUE(dlg.radio(ImageFormat::PNG24)->isChecked());
    EXPECT_EQ(dlg.quality_edit()->value(), 90);
    for (const Case c : {Case{ImageFormat::PNG24, false, "001"},
                         {ImageFormat::PNG8, false, "001"},
                         {ImageFormat::GIF8, false, "001"},
                         {ImageFormat::BMP24, false, "000"},
                         {ImageFormat::JPEG, false, "110"},
                         {ImageFormat::TIFF, false, "111"},
                         {ImageFormat::PNG24, true, "001"}}) {
        (c.svg ? dlg.svg_radio() : dlg.radio(c.format))->click();
        SCOPED_TRACE(c.svg ? "SVG" : ImageFormatName(c.format));
        EXPECT_EQ(dlg.svg(), c.svg);
        EXPECT_EQ(Enabled({dlg.quality_edit(), dlg.quality_label(), dlg.transparent()}), c.enabled);
    }
    EXPECT_EQ(dlg.svg_radio()->text(), "SVG (vector)");
    EXPECT_EQ(ExportDlg::FileFilter(ImageFormat::JPEG), "JPEG (*.jpg)");
    EXPECT_EQ(ExportDlg::FileFilter(ImageFormat::PNG24, true), "SVG (vector) (*.svg)");
}

TEST_F(ExportDlgTest, TheArrowsStepWithinTheSpinRangeButAnyNumberCanBeTyped) {
    LeFile lf = FixedCanvas(10, 10);
    ExportDlg dlg(&lf);
    SpinEdit* scale = dlg.scale_edit();
    scale->setValue(5000);
    EXPECT_EQ(scale->value(), 5000);
    scale->stepBy(1);
    EXPECT_EQ(scale->value(), 1000);
    scale->setValue(3);
    scale->stepBy(-1);
    EXPECT_EQ(scale->value(), 10);
}

// The SVG document takes the shown size; a cancel, while drawing (after object
// 1) or while encoding, leaves no file.
TEST_F(ExportDlgTest, SaveWritesTheShownSizeAndCancelLeavesNothing) {
    TempDir tmp;
    const auto path = [&](const char* name) { return QString::fromStdString(tmp.Path(name)); };
    LeFile lf = FixedCanvas(200, 80);
    lf.AddObj(TextObject("Twice", SANS, 30, 0, 20));
    for (int stop : {1, 3}) EXPECT_FALSE(ExportDlg(&lf).SaveTo(path("cancelled.png"), stop));
    ExportDlg svg(&lf);
    svg.scale_edit()->setValue(150);
    svg.svg_radio()->click();
    EXPECT_FALSE(svg.SaveTo(path("cancelled.svg"), 1));
    EXPECT_TRUE(fs::is_empty(tmp.path()));
    ASSERT_TRUE(svg.SaveTo(path("logo.svg")));
    EXPECT_NE(FileText(tmp.Path("logo.svg")).find("width=\"300\" height=\"120\""),
              std::string::npos);
    ExportDlg bmp(&lf);
    bmp.radio(ImageFormat::BMP24)->click();
    ASSERT_TRUE(bmp.SaveTo(path("logo.bmp")));
    EXPECT_GT(fs::file_size(tmp.Path("logo.bmp")), 54u);
    EXPECT_EQ(bmp.QDialog::result(), QDialog::Accepted);
    EXPECT_TRUE(rec.messages.empty());
}

}  // namespace
}  // namespace vx::test
