#include "ui/ExportDlg.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "shell/Checked.h"
#include "ui/DialogUnits.h"
#include "ui/ExportRun.h"
#include "ui/SpinEdit.h"

namespace vx {

namespace {

// The arrows step the scale over 10..1000 %; typed values reach 1..10000.
constexpr int SCALE_SPIN_MIN = 10;
constexpr int SCALE_SPIN_MAX = 1000;
constexpr const char* SVG_NAME = "SVG (vector)";

}  // namespace

ExportDlg::ExportDlg(LeFile* doc, QWidget* parent) : QDialog(parent), le(doc) {
    setWindowTitle("Save Logo Image...");
    CreateControls();
    // Opening, in order: the first format, the logo's size, the scale lock of
    // a logo with a picture, the ranges and values, then the update rule.
    radio(ImageFormat::PNG24)->setChecked(true);
    logo_ = OpenExport(*le);
    w = logo_.w;
    h = logo_.h;
    for (QWidget* c : std::initializer_list<QWidget*>{scale_, scale_label_, percent_label_})
        c->setEnabled(logo_.scalable);
    scale_->SetSpinRange(SCALE_SPIN_MIN, SCALE_SPIN_MAX);
    margin_->SetSpinRange(0, EXPORT_MAX_MARGIN);
    quality_->SetSpinRange(EXPORT_MIN_QUALITY, EXPORT_MAX_QUALITY);
    margin_->setValue(EXPORT_DEFAULT_MARGIN);
    quality_->setValue(EXPORT_DEFAULT_QUALITY);
    scale_->setValue(EXPORT_DEFAULT_SCALE);
    save_->setEnabled(logo_.CanSave());
    inited = 1;
    UpdateDlg();
}

void ExportDlg::CreateControls() {
    static constexpr const char* NAMES[FORMATS] = {"PNG 24 Bit", "PNG 8 Bit", "GIF 8 Bit",
                                                   "BMP 24 Bit", "JPEG",      "TIFF"};
    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel("Save Image As:", this), 0, 0, 1, 3);
    auto* group = new QButtonGroup(this);
    for (int i = 0; i < FORMATS; ++i) {
        QRadioButton* r = new QRadioButton(NAMES[i], this);
        group->addButton(r, IDC_FIRST_FORMAT + i);
        grid->addWidget(r, 1 + i / 2, (i % 2) * 2, 1, 2);
        radios_[static_cast<std::size_t>(i)] = r;
    }
    svg_ = new QRadioButton(SVG_NAME, this);
    group->addButton(svg_, IDC_SVG);
    grid->addWidget(svg_, 4, 0, 1, 2);
    connect(group, &QButtonGroup::idClicked, this, [this] { UpdateDlg(); });

    const auto numbers = [this] {
        SpinEdit* e = new SpinEdit(this);
        connect(e, &QSpinBox::valueChanged, this, [this] { UpdateDlg(); });
        return e;
    };
    scale_label_ = new QLabel("Scale Output Image", this);
    scale_ = numbers();
    percent_label_ = new QLabel("%", this);
    grid->addWidget(scale_label_, 5, 0, 1, 2);
    grid->addWidget(scale_, 5, 2);
    grid->addWidget(percent_label_, 5, 3);

    grid->addWidget(new QLabel("Output Image Size", this), 6, 0, 1, 4);
    width_ = new QLineEdit(this);
    height_ = new QLineEdit(this);
    for (QLineEdit* e : {width_, height_}) e->setReadOnly(true);
    grid->addWidget(new QLabel("Width:", this), 7, 0);
    grid->addWidget(width_, 7, 1);
    grid->addWidget(new QLabel("Height:", this), 7, 2);
    grid->addWidget(height_, 7, 3);
    grid->addWidget(new QLabel("Margins (pixels):", this), 8, 0, 1, 2);
    margin_ = numbers();
    grid->addWidget(margin_, 8, 2);

    quality_label_ = new QLabel("Image Quality (%)", this);
    quality_ = numbers();
    grid->addWidget(quality_label_, 9, 0, 1, 2);
    grid->addWidget(quality_, 9, 2);

    transparent_ = new QCheckBox("Transparent Background", this);
    grid->addWidget(transparent_, 10, 0, 1, 4);

    save_ = new QPushButton("Save", this);
    QPushButton* cancel = new QPushButton("Cancel", this);
    save_->setDefault(true);
    grid->addWidget(save_, 11, 1);
    grid->addWidget(cancel, 11, 2, 1, 2);
    connect(save_, &QPushButton::clicked, this, &ExportDlg::OnSave);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    setMinimumSize(DluX(*this, 163), DluY(*this, 162));
}

ImageFormat ExportDlg::format() const {
    for (int i = 0; i < FORMATS; ++i)
        if (radios_[static_cast<std::size_t>(i)]->isChecked()) return static_cast<ImageFormat>(i);
    return ImageFormat::PNG24;
}

bool ExportDlg::svg() const {
    return svg_->isChecked();
}

ExportOptions ExportDlg::options() const {
    ExportOptions o;
    o.format = format();
    o.scale = scale_->value();
    o.margin = margin_->value();
    o.quality = quality_->value();
    o.transparent = transparent_->isEnabled() && transparent_->isChecked();
    return o;
}

void ExportDlg::UpdateDlg() {
    if (!inited) return;
    const int margin = ClampExportMargin(margin_->value());
    const int scale = EffectiveScale(logo_, scale_->value());
    const ExportSize size = OutputSize(logo_, scale, margin);
    width_->setText(QString::number(size.w));
    height_->setText(QString::number(size.h));
    const bool quality = !svg() && FormatUsesQuality(format());
    for (QWidget* c : std::initializer_list<QWidget*>{quality_, quality_label_})
        c->setEnabled(quality);
    transparent_->setEnabled(svg() || FormatHoldsAlpha(format()));
}

QString ExportDlg::FileFilter(ImageFormat f, bool svg) {
    if (svg) return QString("%1 (*.svg)").arg(SVG_NAME);
    const QString ext = ExportExtension(f);
    return QString("%1 (*.%2)").arg(ImageFormatName(f), ext);
}

void ExportDlg::OnSave() {
    if (busy_) return;
    const ImageFormat f = format();
    QFileDialog dlg(this, "Save Logo Image As", {}, FileFilter(f, svg()));
    dlg.setAcceptMode(QFileDialog::AcceptSave);
    dlg.setDefaultSuffix(svg() ? "svg" : ExportExtension(f));
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return;
    SaveTo(dlg.selectedFiles().front());
}

bool ExportDlg::SaveTo(const QString& path, int cancel_after) {
    if (busy_) return false;
    ExportRun run(this, *le, logo_, options());
    if (cancel_after >= 0) run.CancelAfter(cancel_after);
    busy_ = true;
    const ExportOutcome outcome = svg() ? run.SaveSvg(path) : run.Save(path);
    busy_ = false;
    if (outcome != ExportOutcome::SAVED) return false;
    accept();
    return true;
}

void ExportDlg::reject() {
    if (!busy_) QDialog::reject();
}

}  // namespace vx
