// LeFile::Update, the whole refresh of the output window, on typical and
// stress logos. Run from the release build: build/release/bin/vexo_bench

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "TestFonts.h"
#include "document/LeFile.h"
#include "render/Random.h"

namespace vx {
namespace {

constexpr int SPACE_W = 1600;
constexpr int SPACE_H = 1000;

// Fonts are loaded once for the whole run.
struct Fonts {
    std::string folder = test::InstallTestFonts();
    ~Fonts() { test::RemoveTestFonts(folder); }
};

void LoadFonts() {
    static Fonts fonts;
}

void AllEffects(LogoParams& lt, int strength) {
    lt.has_outline = lt.has_shadow = lt.grad = 1;
    lt.strength = strength;
    lt.grad_angle = 30;
    lt.grad_color1 = {20, 240, 120};
    lt.grad_color2 = {150, 240, 90};
    lt.outline_color = {0, 0, 240};
}

// (a): a title, a slogan, a bent line and two shapes.
void TypicalLogo(LeFile& lf) {
    lf.AddObj(test::TextObject("Vexo Logo", test::SANS_BOLD, 72, 0, -40));
    lf.AddObj(test::TextObject("design made simple", test::SERIF, 28, 0, 30));
    auto bent = test::TextObject("since 2024", test::SANS, 24, 0, 80);
    bent->lt.has_transform = bent->lt.has_bend = 1;
    bent->lt.bend = 0.5f;
    lf.AddObj(std::move(bent));
    lf.AddObj(test::ShapeObject(2652, 90, 90, -220, -40));
    lf.AddObj(test::ShapeObject(36, 80, 80, 220, -40));
    for (int n = 0; n < lf.objs; ++n) AllEffects(lf.obj[n]->lt, 3);
    lf.cur = 0;
}

// (b): 100 objects, every effect at full strength.
void StressLogo(LeFile& lf) {
    for (int n = 0; n < MAX_OBJS; ++n) {
        const int x = (n % 10) * 140 - 630;
        const int y = (n / 10) * 90 - 405;
        auto o = n % 3 == 2 ? test::ShapeObject(36 + n, 60, 60, x, y)
                            : test::TextObject("Logo " + std::to_string(n), test::SANS, 36, x, y);
        AllEffects(o->lt, 10);
        o->lt.angle = 0.01f * static_cast<float>(n % 7);
        o->lt.has_transform = 1;
        lf.AddObj(std::move(o));
    }
}

void BM_UpdateTypical(benchmark::State& state) {
    LoadFonts();
    LeFile lf;
    TypicalLogo(lf);
    EngineRandom().Seed(1);
    for (auto _ : state) lf.Update(SPACE_W, SPACE_H, 200, 150);
}

void BM_UpdateStress(benchmark::State& state) {
    LoadFonts();
    LeFile lf;
    StressLogo(lf);
    EngineRandom().Seed(1);
    for (auto _ : state) lf.Update(SPACE_W, SPACE_H, 200, 150);
}

// (c): one mouse move of a drag: the current object moves, everything renders.
void BM_DragStep(benchmark::State& state) {
    LoadFonts();
    LeFile lf;
    TypicalLogo(lf);
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
