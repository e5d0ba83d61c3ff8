#include "ui/SaveTemplateDlg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/DialogUnits.h"

namespace vx {

namespace {
// The dialog's size in dialog units.
constexpr int DLG_W = 236;
constexpr int DLG_H = 84;
// Longer names would not fit a file name with the preview suffixes.
constexpr int MAX_NAME = 200;
}  // namespace

SaveTemplateDlg::SaveTemplateDlg(QWidget* parent) : QDialog(parent), edit_(new QLineEdit(this)) {
    setWindowTitle("Save Project As Template");
    edit_->setMaxLength(MAX_NAME);
    auto* save = new QPushButton("Save", this);
    auto* cancel = new QPushButton("Cancel", this);
    save->setDefault(true);
    connect(save, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    // Nothing to save under a blank name.
    const auto follow = [save, this] { save->setEnabled(!name().isEmpty()); };
    connect(edit_, &QLineEdit::textChanged, this, follow);
    follow();

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel("Template Name:", this));
    layout->addWidget(edit_);
    layout->addStretch();
    layout->addLayout(buttons);
    resize(DluX(*this, DLG_W), DluY(*this, DLG_H));
}

QString SaveTemplateDlg::name() const {
    return edit_->text().trimmed();
}

}  // namespace vx
