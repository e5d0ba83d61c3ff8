#include "ui/bars/SpinButton.h"

#include <QToolButton>
#include <QVBoxLayout>

namespace vx {

SpinButton::SpinButton(QWidget* parent) : QWidget(parent) {
    auto* col = new QVBoxLayout(this);
    col->setContentsMargins(0, 0, 0, 0);
    col->setSpacing(0);
    for (const int delta : {1, -1}) {
        auto* b = new QToolButton(this);
        b->setArrowType(delta > 0 ? Qt::UpArrow : Qt::DownArrow);
        b->setAutoRepeat(true);
        b->setFixedSize(16, 11);
        col->addWidget(b);
        connect(b, &QToolButton::clicked, this, [this, delta] { emit stepped(delta); });
    }
}

}  // namespace vx
