#include "ui/bars/LogoBar.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <algorithm>

#include "session/BarRules.h"
#include "shell/Checked.h"
#include "shell/Cp1252.h"
#include "ui/bars/NumberTrio.h"
#include "ui/bars/SpinButton.h"

namespace vx {

bool LogoBar::kept_current_only = false;
bool LogoBar::kept_background = true;

namespace {

// The size spins step within 5..1000; typed sizes go up to 3000.
constexpr int SPIN_MAX = 1000;

}  // namespace

LogoBar::LogoBar(CZebDlg& main, LeFile& le) : PropertyBar(main, le, "Image Options") {
    auto* grid = new QGridLayout(body());
    const TrioRange shift_range{-100, 100, -100, 100};
    hue_ = new NumberTrio(grid, 0, 0, "Hue", shift_range);
    saturation_ = new NumberTrio(grid, 1, 0, "Saturation", shift_range);
    lightness_ = new NumberTrio(grid, 2, 0, "Lightness", shift_range);
    current_only_ = new QCheckBox("Shift Current Object Colors Only", body());
    background_ = new QCheckBox("Shift Background Color", body());
    grid->addWidget(current_only_, 3, 0, 1, 4);
    grid->addWidget(background_, 4, 0, 1, 4);
    grid->addWidget(new QLabel("Logo Objects:", body()), 0, 5);
    center_ = new QPushButton("Center Objects", body());
    grid->addWidget(center_, 1, 5, 1, 3);
    fixed_ = new QCheckBox("Fixed Canvas Size:", body());
    grid->addWidget(fixed_, 2, 5, 1, 3);
    width_ = AddSizeRow(grid, 3, "Canvas Width:");
    height_ = AddSizeRow(grid, 4, "Canvas Height:");
    grid->setColumnMinimumWidth(4, 12);

    for (NumberTrio* t : {hue_, saturation_, lightness_}) t->SetFraction(0.5f);
    current_only_->setChecked(kept_current_only);
    background_->setChecked(kept_background);
    fixed_->setChecked(lf.fixed_canvas != 0);
    FixedToggled();
    Collect();

    for (NumberTrio* t : {hue_, saturation_, lightness_})
        connect(t, &NumberTrio::changed, this, &LogoBar::Live);
    for (QCheckBox* c : {current_only_, background_})
        connect(c, &QCheckBox::clicked, this, &LogoBar::Collect);
    connect(center_, &QPushButton::clicked, this, &LogoBar::Center);
    connect(fixed_, &QCheckBox::clicked, this, &LogoBar::FixedToggled);
    for (QLineEdit* e : {width_, height_})
        connect(e, &QLineEdit::textChanged, this, &LogoBar::SizeEdited);

    const bool has_cur = lf.cur >= 0 && lf.cur < lf.objs;
    object_field()->setText(has_cur ? QString::fromStdString(Cp1252ToUtf8(Cur().lt.str)) : "");
    ready_ = true;
    inited = true;
}

QLineEdit* LogoBar::AddSizeRow(QGridLayout* grid, int row, const char* caption) {
    auto* label = new QLabel(caption, body());
    auto* edit = new QLineEdit(body());
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]{0,5}"), edit));
    edit->setFixedWidth(50);
    auto* spin = new SpinButton(body());
    grid->addWidget(label, row, 5);
    grid->addWidget(edit, row, 6);
    grid->addWidget(spin, row, 7);
    connect(spin, &SpinButton::stepped, this, [edit](int delta) {
        edit->setText(QString::number(std::clamp(edit->text().toInt() + delta, 5, SPIN_MAX)));
    });
    size_controls_.insert(size_controls_.end(), {label, edit, spin});
    return edit;
}

void LogoBar::Apply() {
    shift_.Apply(hue_->Fraction(), saturation_->Fraction(), lightness_->Fraction());
}

void LogoBar::Collect() {
    kept_current_only = current_only_->isChecked();
    kept_background = background_->isChecked();
    shift_.Collect(lf, kept_current_only, kept_background);
}

void LogoBar::FixedToggled() {
    const bool on = fixed_->isChecked();
    for (QWidget* w : size_controls_) w->setEnabled(on);
    // The edits' own change notifications would clamp and store twice.
    const bool was_ready = ready_;
    ready_ = false;
    width_->setText(QString::number(LeFile::ob.dw));
    height_->setText(QString::number(LeFile::ob.dh));
    ready_ = was_ready;
    SetFixedCanvas(lf, on);
    UpdateOutput();
}

void LogoBar::SizeEdited() {
    if (!ready_) return;
    SetCanvasSize(lf, width_->text().toInt(), height_->text().toInt());
    UpdateOutput();
}

void LogoBar::Center() {
    int w = 0;
    int h = 0;
    VX_CALL(lf.CenterObjects(w, h), "lf.CenterObjects(w,h)");
    if (ready_) Apply();
    UpdateOutput();
}

}  // namespace vx
