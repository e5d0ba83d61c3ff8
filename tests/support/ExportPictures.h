#pragma once

// The export tests' fixture, and drawing, reading back and measuring exported
// pictures.

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "export/LogoExport.h"
#include "support/Recorders.h"
#include "support/TempDir.h"
#include "support/TestFonts.h"
#include "support/TestLogos.h"

namespace vx::test {

// A test with a logo and a folder of its own, recording fatal reports and
// messages.
class ExportTest : public RecordingTest {
protected:
    LeFile lf;
    TempDir tmp;
};

// Reads the project `name`.zeb of the export tests' data folder into `lf`;
// the pictures it names lie beside it.
void LoadLogo(const std::string& name, LeFile& lf);

// The export of `lf` with the gradient dither seeded by `seed`, so that two
// drawings of one logo match.
ExportImage DrawExport(LeFile& lf, const ExportLogo& logo, const ExportOptions& options,
                       std::uint32_t seed = 7);

inline std::uint32_t PixelAt(const ExportImage& img, int x, int y) {
    return img.px[static_cast<std::size_t>(y) * img.w + x];
}
inline int Channel(std::uint32_t p, int shift) {
    return static_cast<int>(p >> shift & 0xFF);
}

// Whether `part` equals the part of the `whole_w` wide picture `whole` that
// starts at (left, top); else the first difference.
::testing::AssertionResult IsPartOf(const ExportImage& part,
                                    const std::vector<std::uint32_t>& whole, int whole_w,
                                    long long left, long long top);

// A rectangle of a picture, right and bottom exclusive.
struct PixelBox {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool Empty() const { return right <= left; }
    int Width() const { return right - left; }
};

// The box of the pixels p of a `w`-wide picture whose `p & mask` is not
// `background`.
PixelBox InkBox(const std::vector<std::uint32_t>& px, int w, std::uint32_t mask,
                std::uint32_t background);

}  // namespace vx::test
