#pragma once

// File > Export Brand Pack...: the whole pack written into a folder with one
// progress dialog for every drawing and file, and Cancel. The pack is drawn
// and written on this thread, which handles the window's events between
// steps. A cancelled pack keeps the files already written, each whole.

#include <QString>

#include "export/BrandPack.h"

class QWidget;

namespace vx {

enum class BrandPackOutcome { WRITTEN, CANCELLED, FAILED };

class BrandPackRun {
public:
    // Opens the logo for export (fixed canvas, or the objects centred), as the
    // export dialog does.
    BrandPackRun(QWidget* parent, LeFile& le);

    // Writes the pack into `folder`; a failure is shown in a message box.
    BrandPackOutcome Write(const QString& folder);

    // Tests: cancel as if the user pressed Cancel once `steps` progress steps
    // have been reported.
    void CancelAfter(int steps) { cancel_after_ = steps; }

private:
    QWidget* parent_;
    LeFile& le_;
    ExportLogo logo_;
    int cancel_after_ = -1;
};

}  // namespace vx
