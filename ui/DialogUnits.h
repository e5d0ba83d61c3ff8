#pragma once

// Dialog units: the sizes our dialogs are laid out in, a quarter of the dialog
// font's average character width across and an eighth of its height down, so
// a dialog grows with the font the desktop uses.

#include <QFontMetrics>
#include <QWidget>

namespace vx {

inline int DluX(const QWidget& w, int units) {
    return units * QFontMetrics(w.font()).averageCharWidth() / 4;
}

inline int DluY(const QWidget& w, int units) {
    return units * QFontMetrics(w.font()).height() / 8;
}

}  // namespace vx
