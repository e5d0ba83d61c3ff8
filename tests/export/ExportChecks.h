#pragma once

// Measures for exported pictures: how closely a large export, reduced, matches
// the 100 % one, and transparent pixels composited over a background.

#include <cstdint>
#include <string>

#include "io/LogoExport.h"

namespace vx::test {

struct Fidelity {
    double mae = 0;   // mean absolute difference per channel, 0..255
    double psnr = 0;  // peak signal-to-noise ratio, dB
    int worst = 0;    // largest difference of one channel
};

// `big` reduced by `factor` (the rounded mean of each factor x factor block)
// compared with `small`; the sizes must match exactly.
Fidelity CompareReduced(const ExportImage& big, const ExportImage& small, int factor);

std::string Describe(const Fidelity& f);

// `colour` with `alpha` over `background`, each channel rounded.
std::uint32_t Composite(std::uint32_t colour, int alpha, std::uint32_t background);

// Draws the export of `lf` (opened as `logo`) with the dither seeded by `seed`;
// fails the test when drawing fails.
ExportImage Draw(LeFile& lf, const ExportLogo& logo, const ExportOptions& options,
                 std::uint32_t seed = 7);

}  // namespace vx::test
