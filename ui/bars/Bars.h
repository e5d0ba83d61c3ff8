#pragma once

// The property bars the main window opens, by kind.

#include <QWidget>
#include <memory>

#include "session/ObjectCmd.h"

namespace vx {

class CZebDlg;

// Creates and shows the bar of `kind` over the main window's document (`nc`:
// the colour bar's first entry); null for a kind without a bar.
std::unique_ptr<QWidget> MakeBar(BarKind kind, CZebDlg& mw, int nc);

}  // namespace vx
