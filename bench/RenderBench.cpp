// LeFile::Update, the whole refresh of the output window, on typical and
// stress logos. Run from the release build: build/release/bin/vexo_bench

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "BenchFonts.h"
#include "document/LeFile.h"
#include "render/Random.h"
#include "support/TestFonts.h"
#include "support/TestLogos.h"

namespace vx {
namespace {

constexpr int SPACE_W = 1600;
constexpr int SPACE_H = 1000;

// The stress logo: 100 objects, every effect at full strength.
void StressLogo(LeFile& lf) {
    for (int n = 0; n < MAX_OBJS; ++n) {
        const int x = (n % 10) * 140 - 630;
        const int y = (n / 10) * 90 - 405;
        auto o = n % 3 == 2 ? test::ShapeObject(36 + n, 60, 60, x, y)
                            : test::TextObject("Logo " + std::to_string(n), test::SANS, 36, x, y);
        test::AllEffects(o->lt, 10);
        o->lt.angle = 0.01f * static_cast<float>(n % 7);
        o->lt.has_transform = 1;
        lf.AddObj(std::move(o));
    }
}

void BM_UpdateTypical(benchmark::State& state) {
    bench::LoadFonts();
    LeFile lf;
    test::TypicalLogo(lf);
    EngineRandom().Seed(1);
    for (auto _ : state) lf.Update(SPACE_W, SPACE_H, 200, 150);
}

void BM_UpdateStress(benchmark::State& state) {
    bench::LoadFonts();
    LeFile lf;
    StressLogo(lf);
    EngineRandom().Seed(1);
    for (auto _ : state) lf.Update(SPACE_W, SPACE_H, 200, 150);
}

// One mouse move of a drag: the current object moves, everything renders.
void BM_DragStep(benchmark::State& state) {
    bench::LoadFonts();
    LeFile lf;
    test::TypicalLogo(lf);
    EngineRandom().Seed(1);
    int step = 0;
    for (auto _ : state) {
        lf.obj[lf.cur]->x += (++step & 1) ? 3 : -3;
        lf.Update(SPACE_W, SPACE_H, -1, -1);
    }
}

BENCHMARK(BM_UpdateTypical)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_UpdateStress)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_DragStep)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
}  // namespace vx
