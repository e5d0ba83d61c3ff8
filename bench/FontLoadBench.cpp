// Start-up cost of the font and symbol libraries: InitFt over the whole shipped
// collection (every file read and unscrambled, every face opened, the shape
// table built), then FreeFt.

#include <benchmark/benchmark.h>

#include "render/FtText.h"
#include "shell/ProgramFolder.h"

namespace vx {
namespace {

void BM_InitFtShippedLibraries(benchmark::State& state) {
    ep = VX_PROGRAM_DIR;
    for (auto _ : state) {
        FtText::InitFt();
        state.PauseTiming();
        state.counters["faces"] = FtText::n_fonts;
        state.counters["shapes"] = FtText::ShapeCount();
        FtText::FreeFt();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_InitFtShippedLibraries)->Unit(benchmark::kMillisecond)->MinTime(3.0);

}  // namespace
}  // namespace vx

BENCHMARK_MAIN();
