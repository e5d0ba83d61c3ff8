#pragma once

// The property bars the main window opens, by kind.

namespace vx {

class CZebDlg;

// Gives the main window a factory for every bar: each creates its bar over the
// main window's document and shows it.
void InstallBars(CZebDlg& mw);

}  // namespace vx
