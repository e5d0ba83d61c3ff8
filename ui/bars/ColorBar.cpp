#include "ui/bars/ColorBar.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QTimer>

#include "shell/Checked.h"
#include "ui/CZebDlg.h"
#include "ui/bars/ColorBtn.h"
#include "ui/bars/HLPicker.h"
#include "ui/bars/HueSlider.h"
#include "ui/bars/SLSlider.h"

namespace vx {

namespace {

constexpr int POLL_MS = 100;

}  // namespace

ColorBar::ColorBar(CZebDlg& main, LeFile& le, std::vector<ColorVar> vars, int nc, QWidget* parent)
    : PropertyBar(main, le, "Color Options: Current Object", parent), picker_(std::move(vars), nc) {
    BuildViews();
    for (int n = 0; n < picker_.count(); ++n)
        selector_->addItem(QString::fromStdString(picker_.desc(n)));
    VX_CHECK(selector_->count() == picker_.count(), "m_selector.AddString(cdesc[n])!=CB_ERR");
    selector_->setCurrentIndex(picker_.cur_var());
    ready_ = true;
    Select(picker_.cur_var());
    selector_->setEnabled(picker_.count() > 1);
    Finish("Color Options: ");
    timer_ = new QTimer(this);
    connect(timer_, &QTimer::timeout, this, &ColorBar::PollRgb);
    timer_->start(POLL_MS);
}

void ColorBar::BuildViews() {
    auto* grid = new QGridLayout(body());
    selector_ = new QComboBox(body());
    field_ = new SLSlider(body());
    field_->setFixedSize(160, 160);
    hue_ = new HueSlider(body());
    hue_->setFixedSize(160, 20);
    swatch_ = new ColorBtn(body());
    swatch_->setFixedSize(96, 80);
    palette_ = new HLPicker(body());
    palette_->setFixedSize(162, 124);
    grid->addWidget(selector_, 0, 0);
    grid->addWidget(field_, 1, 0, 3, 1);
    grid->addWidget(hue_, 4, 0);
    auto* rgb = new QGridLayout;
    const char* names[] = {"R:", "G:", "B:"};
    for (int k = 0; k < 3; ++k) {
        auto* e = new QLineEdit(body());
        e->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]{0,4}"), e));
        e->setFixedWidth(44);
        rgb->addWidget(new QLabel(names[k], body()), k, 0);
        rgb->addWidget(e, k, 1);
        rgb_[static_cast<std::size_t>(k)] = e;
    }
    grid->addWidget(swatch_, 0, 1, 2, 1, Qt::AlignTop);
    grid->addLayout(rgb, 0, 2, 2, 1);
    grid->addWidget(palette_, 2, 1, 3, 2, Qt::AlignTop);

    connect(selector_, &QComboBox::currentIndexChanged, this, [this](int n) {
        if (ready_) Select(n);
    });
    connect(field_, &SLSlider::clicked, this, [this] {
        if (!ready_) return;
        picker_.SetField(field_->x(), field_->y());
        Sync(false);
    });
    connect(hue_, &HueSlider::clicked, this, [this] {
        if (!ready_) return;
        picker_.SetHue(hue_->value());
        Sync(false);
    });
    connect(palette_, &HLPicker::clicked, this, [this] {
        if (!ready_) return;
        picker_.SetColor(palette_->picked());
        Sync(false);
    });
}

std::unique_ptr<ColorBar> ColorBar::Create(CZebDlg& mw, int nc) {
    auto bar = std::make_unique<ColorBar>(mw, mw.lf, EditColorVars(mw.lf), nc);
    bar->ShowModeless();
    return bar;
}

bool ColorBar::EditOneColor(QWidget* owner, CZebDlg& mw, LeFile& le, HslF LogoParams::*member,
                            const char* desc) {
    const bool valid = le.cur >= 0 && le.cur < le.objs;
    VX_CHECK(valid, "cur!=-1");
    if (!valid) return false;
    const LeFile copy = le;
    ColorBar bar(mw, le, {{&(le.obj[le.cur]->lt.*member), desc}}, 0, owner);
    const bool ok = bar.RunModal();
    if (!ok) le = copy;
    return ok;
}

void ColorBar::Select(int n) {
    picker_.Select(n);
    Sync(false);
}

void ColorBar::Sync(bool from_edits) {
    hue_->SetValue(picker_.HueFraction());
    field_->SetPoint(picker_.FieldX(), picker_.FieldY());
    field_->SetHue(picker_.HueFraction());
    swatch_->SetColor(picker_.color());
    if (!from_edits) {
        const Rgb& c = picker_.rgb();
        const int v[] = {c.r, c.g, c.b};
        for (int k = 0; k < 3; ++k) {
            rgb_[static_cast<std::size_t>(k)]->setText(QString::number(v[k]));
        }
    }
    UpdateOutput();
}

void ColorBar::hideEvent(QHideEvent* e) {
    ready_ = false;
    timer_->stop();
    PropertyBar::hideEvent(e);
}

void ColorBar::PollRgb() {
    if (!ready_) return;
    Rgb typed;
    int* channels[] = {&typed.r, &typed.g, &typed.b};
    for (int k = 0; k < 3; ++k) {
        QLineEdit* e = rgb_[static_cast<std::size_t>(k)];
        const Channel ch = ParseChannel(e->text().toStdString());
        if (ch.clipped) e->setText(QString::number(ch.value));
        *channels[k] = ch.value;
    }
    if (picker_.SetRgb(typed)) Sync(true);
}

}  // namespace vx
