#pragma once

// The template window. At start-up it is first the loading screen ("Vexo Logo:
// Loading... Please Wait"): it loads the font and symbol libraries and the
// template store, shows how far it got, and stays up at least
// LOADING_MIN_MS; then it becomes the template library ("Vexo Logo: Template
// Library"), a page of four previews with "Previous Page" and "Next Page".
// From the main window it opens as the library at once.
//
// A click on a preview sets `result` to that template (owned by the program's
// store) and closes with Accepted; Escape and the close box close with
// Rejected and leave `result` at its preset value.

#include <QDialog>
#include <array>
#include <cstdint>
#include <functional>

#include "document/LeFile.h"
#include "session/TemplateChoice.h"

class QPainter;
class QTimer;

namespace vx {

class LeButton;
class TmpPrev;

class TmpDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int CLIENT_W = 751;
    static constexpr int CLIENT_H = 501;

    // A millisecond clock; its wrap-around is harmless.
    using Clock = std::function<std::uint32_t()>;
    // What the loading screen loads (by default the libraries and the store).
    using Work = std::function<void(TmpDlg&)>;

    // `result`: null or the document the caller loaded (it must outlive the
    // window). `loading`: the start-up loading screen.
    TmpDlg(QWidget* mw, const LeFile* result, bool loading);
    ~TmpDlg() override;

    const LeFile* result = nullptr;
    int loading = 0;
    TemplatePage page;  // page.ctm: the template of the first preview
    std::array<TmpPrev*, TEMPLATES_PER_PAGE> prev{};
    LeButton* statbt = nullptr;
    LeButton* prevbt = nullptr;
    LeButton* nextbt = nullptr;

    // ---- Loading screen ----
    // The least time it stays up: LOADING_MIN_MS unless the environment
    // variable VEXOLOGO_LOADING_MS names another (for tests and scripted runs).
    static std::uint32_t LoadingWait();
    void SetLoadingWait(std::uint32_t ms) { wait_ = ms; }
    void SetClock(Clock clock);
    void SetLoadingWork(Work work) { work_ = std::move(work); }
    // The progress line of the loading screen, with `done` of `total` steps
    // drawn as a bar (total 0: no bar). Repaints at once.
    void SetStatus(const QString& text, int done = 0, int total = 0);
    const QString& status() const { return status_; }

    // ---- Library ----
    // Creates the page's controls (once) and fills the page.
    int InitTmpDlg();
    // Refills the four previews for page.ctm and the page buttons.
    int ResetPrevs();
    // One tick of the 30 ms timer: the end of the loading wait, then hover.
    void Tick();

protected:
    void showEvent(QShowEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    void Load();
    void Choose(int i);
    // TmpDlgLoading.cpp: the loading picture with the progress line.
    void PaintLoading(QPainter& p) const;

    Clock clock_;
    Work work_;
    std::uint32_t wait_ = LOADING_MIN_MS;
    std::uint32_t start_ = 0;
    bool load_started_ = false;
    bool loaded_ = false;  // the loading work has finished
    QString status_;
    int done_ = 0;
    int total_ = 0;
    QTimer* timer_ = nullptr;
};

}  // namespace vx
