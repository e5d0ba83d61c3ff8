#include "ui/ExportRun.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QProgressDialog>
#include <QThreadPool>
#include <QTimer>
#include <atomic>
#include <memory>

#include "document/ProjectFile.h"
#include "export/SvgExport.h"
#include "shell/Messages.h"

namespace vx {

namespace {

// What the worker thread owns and hands back. Shared, so that a cancelled
// export can leave the worker to finish alone: the pool waits for it at exit.
struct EncodeJob {
    ExportImage image;
    ExportOptions options;
    std::vector<std::uint8_t> bytes;
    Result encoded;
    std::atomic<bool> done{false};
};

// Processes the window's events for about `ms` milliseconds without spinning.
void Pause(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// The progress dialog of a save over `steps` steps, shown when it takes longer
// than half a second.
void SetUp(QProgressDialog& progress, int steps) {
    progress.setWindowTitle("Save Logo Image...");
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    progress.setRange(0, steps);
    progress.setValue(0);
}

}  // namespace

ExportRun::ExportRun(QWidget* parent, LeFile& le, const ExportLogo& logo,
                     const ExportOptions& options)
    : parent_(parent), le_(le), logo_(logo), options_(options) {}

ExportOutcome ExportRun::Save(const QString& path) {
    const int objects = std::max(le_.objs, 0);
    QProgressDialog progress("Saving the logo image...", "Cancel", 0, objects + 1, parent_);
    SetUp(progress, objects + 1);
    int steps = 0;
    const auto cancelled = [&] {
        if (cancel_after_ >= 0 && steps >= cancel_after_) progress.cancel();
        return progress.wasCanceled();
    };

    auto job = std::make_shared<EncodeJob>();
    job->options = options_;
    const Result drawn = DrawLogoImage(le_, logo_, options_, job->image, [&](int done, int) {
        steps = done;
        progress.setValue(done);
        QCoreApplication::processEvents();
        return !cancelled();
    });
    if (!drawn) {
        if (progress.wasCanceled()) return ExportOutcome::CANCELLED;
        ShowMessage(drawn.message());
        return ExportOutcome::FAILED;
    }

    QThreadPool::globalInstance()->start([job] {
        job->encoded = EncodeLogoImage(job->image, job->options, job->bytes);
        job->image = {};
        job->done = true;
    });
    steps = objects + 1;
    // Asked at least once, so that a cancel during the encoding is seen even
    // when the worker is quicker than the first look.
    do {
        if (cancelled()) return ExportOutcome::CANCELLED;
        if (!job->done) Pause(20);
    } while (!job->done);
    progress.setValue(objects + 1);
    const std::string file = path.toLocal8Bit().toStdString();
    if (!job->encoded) {
        ShowMessage(MSG_CANNOT_SAVE + file + " (" + job->encoded.message() + ")");
        return ExportOutcome::FAILED;
    }
    if (const Result written = WriteLogoFile(file, job->bytes); !written) {
        ShowMessage(written.message());
        return ExportOutcome::FAILED;
    }
    return ExportOutcome::SAVED;
}

ExportOutcome ExportRun::SaveSvg(const QString& path) {
    const int objects = std::max(le_.objs, 0);
    QProgressDialog progress("Saving the logo image...", "Cancel", 0, objects, parent_);
    SetUp(progress, objects);
    const Result saved =
        SaveLogoSvg(le_, logo_, options_, path.toLocal8Bit().toStdString(), [&](int done, int) {
            progress.setValue(done);
            QCoreApplication::processEvents();
            if (cancel_after_ >= 0 && done >= cancel_after_) progress.cancel();
            return !progress.wasCanceled();
        });
    if (saved) return ExportOutcome::SAVED;
    if (progress.wasCanceled()) return ExportOutcome::CANCELLED;
    ShowMessage(saved.message());
    return ExportOutcome::FAILED;
}

}  // namespace vx
