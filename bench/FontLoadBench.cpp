// Start-up cost of the font and symbol libraries over the whole shipped
// collection: InitFt alone (what a command-line export pays before drawing),
// and InitFt with every face opened and the shape table built (what the
// window's start and its font list pay); and the shape table by itself.

#include <benchmark/benchmark.h>

#include "render/FtText.h"
#include "shell/ProgramFolder.h"

namespace vx {
namespace {

void OpenEveryFace() {
    for (FontData& fd : FtText::fonts) FtText::OpenFace(fd);
}

void BM_InitFt(benchmark::State& state) {
    ep = VX_PROGRAM_DIR;
    for (auto _ : state) {
        FtText::InitFt();
        state.PauseTiming();
        state.counters["faces"] = FtText::n_fonts;
        FtText::FreeFt();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_InitFt)->Unit(benchmark::kMillisecond);

void BM_InitFtOpenEveryFaceAndShapeTable(benchmark::State& state) {
    ep = VX_PROGRAM_DIR;
    for (auto _ : state) {
        FtText::InitFt();
        OpenEveryFace();
        benchmark::DoNotOptimize(FtText::ShapeCount());
        state.PauseTiming();
        state.counters["shapes"] = FtText::ShapeCount();
        FtText::FreeFt();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_InitFtOpenEveryFaceAndShapeTable)->Unit(benchmark::kMillisecond)->MinTime(3.0);

// The glyph loads of the shape table, with the symbol faces already open.
void BM_ShapeTable(benchmark::State& state) {
    ep = VX_PROGRAM_DIR;
    for (auto _ : state) {
        state.PauseTiming();
        FtText::InitFt();
        OpenEveryFace();
        state.ResumeTiming();
        benchmark::DoNotOptimize(FtText::ShapeCount());
        state.PauseTiming();
        FtText::FreeFt();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ShapeTable)->Unit(benchmark::kMillisecond)->MinTime(3.0);

}  // namespace
}  // namespace vx

BENCHMARK_MAIN();
