#include "ui/TmpDlg.h"

#include <QCoreApplication>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <chrono>
#include <cstdlib>

#include "render/FtText.h"
#include "session/TemplateLibrary.h"
#include "shell/Checked.h"
#include "ui/TmpPrev.h"
#include "ui/controls/CaptionStyle.h"
#include "ui/controls/LeButton.h"

namespace vx {

namespace {

constexpr const char* LOADING_CAPTION = "Vexo Logo: Loading... Please Wait";
constexpr const char* LIBRARY_CAPTION = "Vexo Logo: Template Library";
constexpr const char* HINT = "Click on the template to edit. Click ESC to start blank project";
constexpr int PREVIEW_W = 375;
constexpr int PREVIEW_H = 225;
constexpr int ROW_Y = 461;
constexpr int ROW_H = 30;

std::uint32_t SteadyMs() {
    using namespace std::chrono;
    return static_cast<std::uint32_t>(
        duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

// The libraries, then the templates, each step on the screen.
void LoadLibraries(TmpDlg& dlg) {
    dlg.SetStatus("Loading the font and shape libraries...");
    VX_CALL(FtText::InitFt(), "FtText::InitFt()");
    dlg.SetStatus("Reading the templates...");
    VX_CALL(ReloadTmps([&dlg](int done, int count) {
                dlg.SetStatus(QString("Reading the templates: %1 of %2").arg(done).arg(count), done,
                              count);
            }),
            "TmpDlg::ReloadTmps()");
}

}  // namespace

TmpDlg::TmpDlg(QWidget* mw, const LeFile* preset, bool loading_screen)
    : QDialog(mw),
      result(preset),
      loading(loading_screen ? 1 : 0),
      clock_(SteadyMs),
      work_(LoadLibraries),
      wait_(LoadingWait()) {
    setFixedSize(CLIENT_W, CLIENT_H);
    setAttribute(Qt::WA_OpaquePaintEvent);
    const QRect area = mw ? mw->geometry() : screen()->availableGeometry();
    move(area.center() - rect().center());
    start_ = clock_();
    if (!loading) {
        VX_CALL(InitTmpDlg(), "InitTmpDlg()");
        setWindowTitle(LIBRARY_CAPTION);
    } else {
        setWindowTitle(LOADING_CAPTION);
    }
    timer_ = new QTimer(this);
    connect(timer_, &QTimer::timeout, this, &TmpDlg::Tick);
    timer_->start(30);
}

TmpDlg::~TmpDlg() = default;

std::uint32_t TmpDlg::LoadingWait() {
    const char* ms = std::getenv("VEXOLOGO_LOADING_MS");
    if (!ms || !*ms) return LOADING_MIN_MS;
    char* end = nullptr;
    const unsigned long v = std::strtoul(ms, &end, 10);
    return *end == '\0' && v <= LOADING_MIN_MS ? static_cast<std::uint32_t>(v) : LOADING_MIN_MS;
}

void TmpDlg::SetClock(Clock clock) {
    clock_ = std::move(clock);
    start_ = clock_();
}

void TmpDlg::SetStatus(const QString& text, int done, int total) {
    status_ = text;
    done_ = done;
    total_ = total;
    update();
    // Let the screen show the step before the next one blocks; the user's
    // input waits until the loading is done.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TmpDlg::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (loading && !load_started_) {
        load_started_ = true;
        // After the window has been shown and painted once.
        QTimer::singleShot(0, this, &TmpDlg::Load);
    }
}

void TmpDlg::Load() {
    work_(*this);
    loaded_ = true;
    SetStatus("Opening the template library...");
}

int TmpDlg::InitTmpDlg() {
    if (!statbt) {
        for (int i = 0; i < TEMPLATES_PER_PAGE; ++i) {
            TmpPrev* p = new TmpPrev(this);
            p->setGeometry((i % 2) * (PREVIEW_W + 1), (i / 2) * (PREVIEW_H + 1), PREVIEW_W,
                           PREVIEW_H);
            connect(p, &TmpPrev::clicked, this, [this, i] { Choose(i); });
            prev[static_cast<std::size_t>(i)] = p;
        }
        statbt = new LeButton(HINT, this);
        statbt->setGeometry(10, ROW_Y, 411, ROW_H);
        prevbt = new LeButton("Previous Page", this);
        prevbt->setGeometry(431, ROW_Y, 150, ROW_H);
        nextbt = new LeButton("Next Page", this);
        nextbt->setGeometry(591, ROW_Y, 150, ROW_H);
        connect(prevbt, &LeButton::pressedDown, this, [this] {
            page.Prev();
            VX_CALL(ResetPrevs(), "ResetPrevs()");
        });
        connect(nextbt, &LeButton::pressedDown, this, [this] {
            page.Next();
            VX_CALL(ResetPrevs(), "ResetPrevs()");
        });
    }
    VX_CALL(ResetPrevs(), "ResetPrevs()");
    statbt->show();
    prevbt->show();
    nextbt->show();
    update();
    return 0;
}

int TmpDlg::ResetPrevs() {
    const TemplateStore& store = ProgramTemplates();
    page.count = store.count();
    for (int i = 0; i < TEMPLATES_PER_PAGE; ++i) {
        TmpPrev* p = prev[static_cast<std::size_t>(i)];
        if (!page.Shown(i)) {
            p->hide();
            continue;
        }
        const auto n = static_cast<std::size_t>(page.Template(i));
        p->SetImage(store.xia[n].get(), store.xib[n].get(), store.lfs[n].bgc);
        p->show();
    }
    prevbt->setEnabled(page.CanPrev());
    nextbt->setEnabled(page.CanNext());
    return 0;
}

void TmpDlg::Choose(int i) {
    const int n = page.Template(i);
    const TemplateStore& store = ProgramTemplates();
    VX_CHECK(n >= 0 && n < store.count(), "ctm+i<count");
    if (n < 0 || n >= store.count()) return;
    result = &store.lfs[static_cast<std::size_t>(n)];
    accept();
}

void TmpDlg::Tick() {
    if (loading) {
        if (!loaded_ || !LoadingWaitOver(start_, clock_(), wait_)) return;
        VX_CALL(InitTmpDlg(), "InitTmpDlg()");
        setWindowTitle(LIBRARY_CAPTION);
        loading = 0;
        return;
    }
    for (TmpPrev* p : prev)
        if (p) p->MoTimer();
    for (LeButton* b : {prevbt, nextbt})
        if (b) b->MoTimer();
}

void TmpDlg::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (loading) {
        PaintLoading(p);
        return;
    }
    p.fillRect(rect(), QColor::fromRgb(PANEL_BACKGROUND));
}

}  // namespace vx
