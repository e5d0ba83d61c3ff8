#include "ui/bars/NumberTrio.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>

#include "ui/bars/SpinButton.h"
#include "ui/controls/Slider.h"

namespace vx {

NumberTrio::NumberTrio(QGridLayout* grid, int row, int column, const QString& caption,
                       TrioRange range)
    : QObject(grid), range_(range) {
    QWidget* parent = grid->parentWidget();
    label_ = new QLabel(caption, parent);
    slider_ = new Slider(parent);
    edit_ = new QLineEdit(parent);
    edit_->setReadOnly(true);
    edit_->setFixedWidth(40);
    grid->addWidget(label_, row, column);
    grid->addWidget(slider_, row, column + 1);
    grid->addWidget(edit_, row, column + 2);
    if (range.spin_max > range.spin_min) {
        spin_ = new SpinButton(parent);
        grid->addWidget(spin_, row, column + 3);
        connect(spin_, &SpinButton::stepped, this, &NumberTrio::Step);
    }
    slider_->Init(edit_, range.mode, range.min, range.max);
    // A drag reports every move, also one that leaves the shown number as it
    // was: the exact fraction is what the bars store.
    connect(slider_, &Slider::clicked, this, &NumberTrio::changed);
    connect(edit_, &QLineEdit::textChanged, this, [this] {
        if (!slider_->dragging()) emit changed();
    });
}

void NumberTrio::SetFraction(float f) {
    slider_->SetValueF(f);
    slider_->UpdateEdit();
}

void NumberTrio::SetInt(int v) {
    slider_->SetValue(v, false);
    edit_->setText(QString::number(v));
}

int NumberTrio::Int() const {
    return edit_->text().toInt();
}

float NumberTrio::Fraction() const {
    return slider_->value();
}

void NumberTrio::SetEnabled(bool on) {
    for (QWidget* w : {static_cast<QWidget*>(label_), static_cast<QWidget*>(slider_),
                       static_cast<QWidget*>(edit_)})
        w->setEnabled(on);
    if (spin_) spin_->setEnabled(on);
}

void NumberTrio::SetCaption(const QString& caption) {
    label_->setText(caption);
}

// The slider follows the spin within its own range; the edit goes on to the
// spin's ends.
void NumberTrio::Step(int delta) {
    const int next = std::clamp(Int() + delta, range_.spin_min, range_.spin_max);
    slider_->SetValueF(SpinFraction(Int(), delta, range_.min, range_.max));
    edit_->setText(QString::number(next));
}

}  // namespace vx
