// Import decoding of large photographs and the export writers on their own.

#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "codecs/Image.h"
#include "codecs/ImageWriters.h"

namespace vx {
namespace {

// A photograph-like picture: smooth gradients with fine texture, so that
// neither PNG nor JPEG compress it unrealistically well.
std::vector<std::uint32_t> Photo(int w, int h) {
    std::vector<std::uint32_t> px(static_cast<std::size_t>(w) * h);
    std::uint32_t noise = 12345;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            noise = noise * 1103515245u + 12345u;
            const int n = static_cast<int>(noise >> 28) - 8;
            const auto channel = [&](double v) {
                return static_cast<std::uint32_t>(std::clamp(static_cast<int>(v) + n, 0, 255));
            };
            const double r = 128 + 100 * std::sin(x * 0.003) * std::cos(y * 0.002);
            const double g = 255.0 * y / h;
            const double b = 128 + 120 * std::sin((x + y) * 0.001);
            px[static_cast<std::size_t>(y) * w + x] =
                channel(r) << 16 | channel(g) << 8 | channel(b);
        }
    return px;
}

const std::vector<std::uint8_t>& EncodedPhoto(ImageFormat format) {
    static std::vector<std::uint8_t> files[6];
    std::vector<std::uint8_t>& file = files[static_cast<int>(format)];
    if (file.empty()) {
        const std::vector<std::uint32_t> px = Photo(4000, 3000);
        if (!EncodeImage(format, {px.data(), 4000, 3000}, 90, file)) file.clear();
    }
    return file;
}

// Bytes of a 4000 x 3000 file to the 32-bit pixels of a custom bitmap.
void DecodePhoto(benchmark::State& state, ImageFormat format, int type) {
    const std::vector<std::uint8_t>& file = EncodedPhoto(format);
    for (auto _ : state) {
        Image img;
        std::vector<std::uint32_t> pixels;
        if (!img.Decode(file, type) || !img.ToPixels(pixels))
            state.SkipWithError("decoding failed");
        benchmark::DoNotOptimize(pixels.data());
    }
    state.counters["file_MB"] = static_cast<double>(file.size()) / 1e6;
}
BENCHMARK_CAPTURE(DecodePhoto, Jpeg4000x3000, ImageFormat::JPEG, IMAGE_JPG)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DecodePhoto, Png4000x3000, ImageFormat::PNG24, IMAGE_PNG)
    ->Unit(benchmark::kMillisecond);

// Writing a logo-sized picture (a wide logo at about 400 %): flat colour with
// anti-aliased shapes, as exports are.
void WriteLogoSized(benchmark::State& state, ImageFormat format) {
    const int w = 2400, h = 900;
    std::vector<std::uint32_t> px(static_cast<std::size_t>(w) * h, 0xF0F0F0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const double d = std::hypot(x % 300 - 150, y % 300 - 150) - 100;
            const double cover = std::clamp(0.5 - d / 3, 0.0, 1.0);
            const auto mix = [&](int fg, int bg) {
                return static_cast<std::uint32_t>(bg + (fg - bg) * cover);
            };
            px[static_cast<std::size_t>(y) * w + x] =
                mix(0x20, 0xF0) << 16 | mix(0x60, 0xF0) << 8 | mix(0xC0, 0xF0);
        }
    std::vector<std::uint8_t> out;
    for (auto _ : state) {
        if (!EncodeImage(format, {px.data(), w, h}, 90, out))
            state.SkipWithError("encoding failed");
        benchmark::DoNotOptimize(out.data());
    }
    state.counters["file_KB"] = static_cast<double>(out.size()) / 1e3;
}
BENCHMARK_CAPTURE(WriteLogoSized, Png24, ImageFormat::PNG24)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(WriteLogoSized, Png8, ImageFormat::PNG8)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(WriteLogoSized, Gif, ImageFormat::GIF8)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(WriteLogoSized, Jpeg, ImageFormat::JPEG)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vx
