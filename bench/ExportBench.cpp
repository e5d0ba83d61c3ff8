// The logo image export as the dialog's Save runs it: the typical logo drawn
// at 100 % and 400 % and written as PNG 24 and PNG 8 (to a temporary file).

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>

#include "BenchFonts.h"
#include "export/LogoExport.h"
#include "render/Random.h"
#include "support/TestLogos.h"

namespace vx {
namespace {

void BM_Export(benchmark::State& state, ImageFormat format, int percent, bool transparent) {
    bench::LoadFonts();
    LeFile lf;
    test::TypicalLogo(lf);
    EngineRandom().Seed(1);
    const ExportLogo logo = OpenExport(lf);
    ExportOptions options;
    options.format = format;
    options.scale = percent;
    options.transparent = transparent;
    const std::string path =
        (std::filesystem::temp_directory_path() / "vexo_export_bench.png").string();
    for (auto _ : state)
        if (!SaveLogoImage(lf, logo, options, path)) state.SkipWithError("export failed");
    const ExportSize size = OutputSize(logo, percent, 0);
    state.counters["width"] = static_cast<double>(size.w);
    state.counters["height"] = static_cast<double>(size.h);
    state.counters["file_KB"] = static_cast<double>(std::filesystem::file_size(path)) / 1e3;
    std::remove(path.c_str());
}

BENCHMARK_CAPTURE(BM_Export, Png24At100, ImageFormat::PNG24, 100, false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Export, Png8At100, ImageFormat::PNG8, 100, false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Export, Png24At400, ImageFormat::PNG24, 400, false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Export, Png8At400, ImageFormat::PNG8, 400, false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Export, TransparentPng24At400, ImageFormat::PNG24, 400, true)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vx
