// The export dialog: its size rule with the clamps, the controls each logo and
// format enables, and Save with Cancel.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "support/Recorders.h"
#include "support/TempDir.h"
#include "support/TestFonts.h"
#include "ui/ExportDlg.h"
#include "ui/SpinEdit.h"

namespace vx::test {
namespace {

namespace fs = std::filesystem;

LeFile FixedCanvas(int w, int h) {
    LeFile lf;
    lf.AddObj(TextObject("Sized", SANS, 40, 37, -11));
    lf.fixed_canvas = 1;
    lf.canvas_w = w;
    lf.canvas_h = h;
    return lf;
}

QSize Shown(const ExportDlg& dlg) {
    return {dlg.width_edit()->text().toInt(), dlg.height_edit()->text().toInt()};
}

using ExportDlgTest = RecordingTest;

TEST_F(ExportDlgTest, TheOutputSizeFollowsScaleAndMarginsWithTheirClamps) {
    struct Case {
        int scale, margin;
        QSize shown;
    };
    LeFile lf = FixedCanvas(200, 80);
    ExportDlg dlg(&lf);
    EXPECT_EQ(Shown(dlg), QSize(200, 80));  // 100 %, no margins
    for (const Case c : {Case{150, 10, {320, 140}}, Case{0, 0, {2, 0}}, Case{100, 500, {400, 280}},
                         Case{10000, 0, {20000, 8000}}}) {
        dlg.scale_edit()->setValue(c.scale);
        dlg.margin_edit()->setValue(c.margin);
        EXPECT_EQ(Shown(dlg), c.shown) << c.scale << " % " << c.margin;
    }
    // A fixed canvas is the logo's size whatever the objects, which stay put.
    EXPECT_EQ(lf.obj[0]->x, 37);
    EXPECT_EQ(lf.obj[0]->y, -11);
}

TEST_F(ExportDlgTest, ThePictureOfACustomBitmapCannotBeScaled) {
    LeFile lf;
    lf.AddObj(BitmapObject(40, 20, 60, 30));
    ExportDlg dlg(&lf);
    EXPECT_FALSE(dlg.scale_edit()->isEnabled());
    EXPECT_FALSE(dlg.scale_label()->isEnabled());
    EXPECT_FALSE(dlg.percent_label()->isEnabled());
    dlg.scale_edit()->setValue(300);
    dlg.margin_edit()->setValue(5);
    EXPECT_EQ(Shown(dlg), QSize(70, 40));
    EXPECT_EQ(lf.obj[0]->x, 0);  // opening centred the objects
    EXPECT_EQ(lf.obj[0]->y, 0);
}

TEST_F(ExportDlgTest, EachFormatEnablesQualityAndTransparencyAsItCan) {
    struct Case {
        ImageFormat format;
        bool quality, transparent;
    };
    LeFile lf = FixedCanvas(10, 10);
    ExportDlg dlg(&lf);
    EXPECT_TRUE(dlg.radio(ImageFormat::PNG24)->isChecked());
    EXPECT_EQ(dlg.quality_edit()->value(), 90);
    for (const Case c : {Case{ImageFormat::PNG24, false, true},
                         {ImageFormat::PNG8, false, true},
                         {ImageFormat::GIF8, false, true},
                         {ImageFormat::BMP24, false, false},
                         {ImageFormat::JPEG, true, false},
                         {ImageFormat::TIFF, true, true}}) {
        dlg.radio(c.format)->click();
        EXPECT_EQ(dlg.quality_edit()->isEnabled(), c.quality) << ImageFormatName(c.format);
        EXPECT_EQ(dlg.quality_label()->isEnabled(), c.quality) << ImageFormatName(c.format);
        EXPECT_EQ(dlg.transparent()->isEnabled(), c.transparent) << ImageFormatName(c.format);
    }
    EXPECT_EQ(ExportDlg::FileFilter(ImageFormat::JPEG), "JPEG (*.jpg)");
}

TEST_F(ExportDlgTest, SvgKeepsTheSizeRuleAndTransparencyAndSavesADocument) {
    LeFile lf = FixedCanvas(200, 80);
    ExportDlg dlg(&lf);
    EXPECT_EQ(dlg.svg_radio()->text(), "SVG (vector)");
    dlg.scale_edit()->setValue(150);
    dlg.svg_radio()->click();
    EXPECT_TRUE(dlg.svg());
    EXPECT_EQ(Shown(dlg), QSize(300, 120));
    EXPECT_FALSE(dlg.quality_edit()->isEnabled());
    EXPECT_TRUE(dlg.transparent()->isEnabled());
    EXPECT_EQ(ExportDlg::FileFilter(ImageFormat::PNG24, true), "SVG (vector) (*.svg)");

    TempDir tmp;
    EXPECT_FALSE(dlg.SaveTo(QString::fromStdString(tmp.Path("cancelled.svg")), 1));
    EXPECT_TRUE(fs::is_empty(tmp.path()));
    ASSERT_TRUE(dlg.SaveTo(QString::fromStdString(tmp.Path("logo.svg"))));
    std::ifstream in(tmp.Path("logo.svg"));
    const std::string text{std::istreambuf_iterator<char>(in), {}};
    EXPECT_NE(text.find("width=\"300\" height=\"120\""), std::string::npos);
    EXPECT_TRUE(rec.messages.empty());
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

TEST_F(ExportDlgTest, AnEmptyLogoCannotBeSaved) {
    LeFile lf;
    ExportDlg dlg(&lf);
    EXPECT_FALSE(dlg.save_button()->isEnabled());
    EXPECT_EQ(Shown(dlg), QSize(0, 0));
}

TEST_F(ExportDlgTest, SaveWritesTheFileAndCancelLeavesNothing) {
    TempDir tmp;
    LeFile lf;
    lf.AddObj(TextObject("Saved", SANS, 40, 0, 0));
    lf.AddObj(TextObject("Twice", SANS, 30, 0, 50));
    for (int stop : {1, 3}) {  // while drawing (after object 1), and while encoding
        ExportDlg dlg(&lf);
        EXPECT_FALSE(dlg.SaveTo(QString::fromStdString(tmp.Path("cancelled.png")), stop));
    }
    EXPECT_TRUE(fs::is_empty(tmp.path()));
    ExportDlg dlg(&lf);
    dlg.radio(ImageFormat::BMP24)->click();
    ASSERT_TRUE(dlg.SaveTo(QString::fromStdString(tmp.Path("logo.bmp"))));
    EXPECT_GT(fs::file_size(tmp.Path("logo.bmp")), 54u);
    EXPECT_EQ(dlg.QDialog::result(), QDialog::Accepted);
    EXPECT_TRUE(rec.messages.empty());
}

}  // namespace
}  // namespace vx::test
