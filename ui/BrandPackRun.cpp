#include "ui/BrandPackRun.h"

#include <QCoreApplication>
#include <QProgressDialog>

#include "export/LogoExport.h"
#include "shell/Messages.h"

namespace vx {

BrandPackRun::BrandPackRun(QWidget* parent, LeFile& le)
    : parent_(parent), le_(le), logo_(OpenExport(le)) {}

BrandPackOutcome BrandPackRun::Write(const QString& folder) {
    if (!logo_.CanSave()) {
        ShowMessage("The logo is empty: there is nothing to export.");
        return BrandPackOutcome::FAILED;
    }
    QProgressDialog progress("Writing the brand pack...", "Cancel", 0, 1, parent_);
    progress.setWindowTitle("Export Brand Pack");
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(300);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    progress.setValue(0);
    const Result written =
        WriteBrandPack(le_, logo_, folder.toLocal8Bit().toStdString(), [&](int done, int total) {
            progress.setMaximum(total);
            progress.setValue(done);
            QCoreApplication::processEvents();
            if (cancel_after_ >= 0 && done >= cancel_after_) progress.cancel();
            return !progress.wasCanceled();
        });
    if (written) return BrandPackOutcome::WRITTEN;
    if (progress.wasCanceled()) return BrandPackOutcome::CANCELLED;
    ShowMessage(written.message());
    return BrandPackOutcome::FAILED;
}

}  // namespace vx
