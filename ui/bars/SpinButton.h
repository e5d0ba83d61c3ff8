#pragma once

// The up-down button beside a read-only number edit: each step (held down, it
// repeats) reports +1 or -1; the owner moves the slider and writes the edit.

#include <QWidget>

namespace vx {

class SpinButton : public QWidget {
    Q_OBJECT

public:
    explicit SpinButton(QWidget* parent = nullptr);

signals:
    void stepped(int delta);
};

}  // namespace vx
