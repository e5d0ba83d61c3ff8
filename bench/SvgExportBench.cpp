// The SVG export of the typical logo, in process, as the dialog's Save runs
// it (drawn and written to a temporary file).

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>

#include "BenchFonts.h"
#include "export/SvgExport.h"
#include "support/TestLogos.h"

namespace vx {
namespace {

void BM_SvgExport(benchmark::State& state, int percent) {
    bench::LoadFonts();
    LeFile lf;
    test::TypicalLogo(lf);
    const ExportLogo logo = OpenExport(lf);
    ExportOptions options;
    options.scale = percent;
    const std::string path =
        (std::filesystem::temp_directory_path() / "vexo_svg_bench.svg").string();
    for (auto _ : state)
        if (!SaveLogoSvg(lf, logo, options, path)) state.SkipWithError("export failed");
    state.counters["file_KB"] = static_cast<double>(std::filesystem::file_size(path)) / 1e3;
    std::remove(path.c_str());
}

BENCHMARK_CAPTURE(BM_SvgExport, At100, 100)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SvgExport, At400, 400)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vx
