// The brand pack of the typical logo in process: three drawings, the shrunk
// sizes, the icons and card, every file encoded and written (to a temporary
// folder). bench/brand-pack times the whole process with the shipped fonts.

#include <benchmark/benchmark.h>

#include <filesystem>

#include "BenchFonts.h"
#include "export/BrandPack.h"
#include "export/LogoExport.h"
#include "render/Random.h"
#include "support/TestLogos.h"

namespace vx {
namespace {

void BM_BrandPack(benchmark::State& state) {
    bench::LoadFonts();
    LeFile lf;
    test::TypicalLogo(lf);
    EngineRandom().Seed(1);
    const ExportLogo logo = OpenExport(lf);
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / "vexo_brand_pack_bench";
    for (auto _ : state)
        if (!WriteBrandPack(lf, logo, folder.string())) state.SkipWithError("brand pack failed");
    std::uintmax_t bytes = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        bytes += entry.file_size();
    state.counters["pack_KB"] = static_cast<double>(bytes) / 1e3;
    std::filesystem::remove_all(folder);
}

BENCHMARK(BM_BrandPack)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vx
