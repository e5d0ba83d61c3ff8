// One drag step through the main window: a mouse move to the output window,
// the canvas re-assembled and both views repainted, with the typical logo in a
// 1600 x 1000 window on the offscreen platform.
// Run from the release build: build/release/bench/vexo_window_bench

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMouseEvent>
#include <cstdlib>

#include "BenchFonts.h"
#include "render/Random.h"
#include "support/TestLogos.h"
#include "ui/CZebDlg.h"
#include "ui/OutWnd.h"

namespace vx {
namespace {

void MouseTo(QWidget* w, QEvent::Type type, QPoint p) {
    const QPointF at(p);
    QMouseEvent e(
        type, at, w->mapToGlobal(at), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

void BM_WindowDragStep(benchmark::State& state) {
    bench::LoadFonts();
    CZebDlg w;
    w.resize(1600, 1000);
    w.show();
    test::TypicalLogo(w.lf);
    EngineRandom().Seed(1);
    w.UpdateOutWnd();
    QApplication::processEvents();
    OutWnd* out = w.out_wnd();
    const LogoObject& o = *w.lf.obj[w.lf.cur];
    const QPoint grab(o.x + out->width() / 2, o.y + out->height() / 2);
    MouseTo(out, QEvent::MouseButtonPress, grab);
    int step = 0;
    for (auto _ : state) {
        MouseTo(out, QEvent::MouseMove, grab + QPoint((++step & 1) ? 3 : 0, 0));
        QApplication::processEvents();  // the repaint of both views
    }
    MouseTo(out, QEvent::MouseButtonRelease, grab);
}

BENCHMARK(BM_WindowDragStep)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace
}  // namespace vx

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
