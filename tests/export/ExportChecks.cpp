#include "ExportChecks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "render/Random.h"

namespace vx::test {

Fidelity CompareReduced(const ExportImage& big, const ExportImage& small, int factor) {
    Fidelity f;
    if (big.w != small.w * factor || big.h != small.h * factor) {
        ADD_FAILURE() << big.w << "x" << big.h << " is not " << factor << " times " << small.w
                      << "x" << small.h;
        return f;
    }
    const int area = factor * factor;
    double sum = 0, squares = 0;
    for (int y = 0; y < small.h; ++y)
        for (int x = 0; x < small.w; ++x)
            for (int s = 0; s <= 16; s += 8) {
                int total = 0;
                for (int j = 0; j < factor; ++j)
                    for (int i = 0; i < factor; ++i)
                        total += static_cast<int>(
                            big.px[static_cast<std::size_t>(y * factor + j) * big.w + x * factor +
                                   i] >>
                                s &
                            0xFF);
                const int reduced = (total + area / 2) / area;
                const int d = std::abs(
                    reduced - static_cast<int>(
                                  small.px[static_cast<std::size_t>(y) * small.w + x] >> s & 0xFF));
                sum += d;
                squares += static_cast<double>(d) * d;
                f.worst = std::max(f.worst, d);
            }
    const double n = 3.0 * small.w * small.h;
    f.mae = sum / n;
    f.psnr = 20.0 * std::log10(255.0 / std::sqrt(std::max(squares / n, 1e-12)));
    return f;
}

std::string Describe(const Fidelity& f) {
    char text[128];
    std::snprintf(text, sizeof text, "mean error %.2f levels, PSNR %.1f dB, worst %d", f.mae,
                  f.psnr, f.worst);
    return text;
}

std::uint32_t Composite(std::uint32_t colour, int alpha, std::uint32_t background) {
    std::uint32_t out = 0;
    for (int s = 0; s <= 16; s += 8) {
        const int c = static_cast<int>(colour >> s & 0xFF);
        const int b = static_cast<int>(background >> s & 0xFF);
        out |= static_cast<std::uint32_t>((c * alpha + b * (255 - alpha) + 127) / 255) << s;
    }
    return out;
}

ExportImage Draw(LeFile& lf, const ExportLogo& logo, const ExportOptions& options,
                 std::uint32_t seed) {
    EngineRandom().Seed(seed);
    ExportImage image;
    EXPECT_TRUE(DrawLogoImage(lf, logo, options, image));
    return image;
}

}  // namespace vx::test
