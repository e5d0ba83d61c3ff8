#pragma once

// One export from the export dialog, with a progress dialog and Cancel when
// it takes longer than about half a second. The logo is drawn on this thread,
// which handles the window's events between objects; the picture is encoded on
// a worker thread (encoding touches no engine state) while the window stays
// responsive; the file is written last, through a temporary renamed over the
// target. A cancelled export writes nothing.

#include <QString>

#include "export/LogoExport.h"

class QWidget;

namespace vx {

enum class ExportOutcome { SAVED, CANCELLED, FAILED };

class ExportRun {
public:
    ExportRun(QWidget* parent, LeFile& le, const ExportLogo& logo, const ExportOptions& options);

    ExportOutcome Save(const QString& path);
    // The same logo as an SVG document: drawn with the same progress and
    // Cancel, written atomically.
    ExportOutcome SaveSvg(const QString& path);

    // Tests: cancel as if the user pressed Cancel once `steps` progress steps
    // have been reported (the objects, then the encoding).
    void CancelAfter(int steps) { cancel_after_ = steps; }

private:
    QWidget* parent_;
    LeFile& le_;
    ExportLogo logo_;
    ExportOptions options_;
    int cancel_after_ = -1;
};

}  // namespace vx
