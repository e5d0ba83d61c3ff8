// Alpha and colour recovered from the logo painted over black and over white.

#include <gtest/gtest.h>

#include "export/Transparency.h"

namespace vx {
namespace {

// Blending truncates per layer, so the three channels' differences can
// disagree by a level or two; alpha is 255 less their mean, rounded to the
// nearest (sums one above and one below a multiple of three included). The
// colour is the mean of the two pictures' estimates undone by alpha, rounded.
TEST(RecoverAlpha, AlphaIsTheRoundedMeanDifferenceAndColourItsShare) {
    const struct {
        const char* what;
        std::uint32_t black, white;
        int alpha;
        std::uint32_t colour;
    } cases[] = {
        {"opaque", 0x964614, 0x964614, 255, 0x964614},
        {"nothing drawn: the clear colour", 0x000000, 0xFFFFFF, 0, 0x123456},
        {"half grey", 0x404040, 0xBFBFBF, 128, 0x808080},
        {"differences 50 60 61: mean 57", 0x96140A, 0xC85047, 198, 0xBD1C0F},
        {"differences 50 61 62: mean 57.67", 0x96140A, 0xC85148, 197, 0xBD1C10},
        {"differences 50 60 62: mean 57.33", 0x96140A, 0xC85048, 198, 0xBD1C10},
        {"differences 100 101 101: mean 100.67", 0x000000, 0x646565, 154, 0x000000},
        {"differences 1 1 0: mean 0.67", 0x102030, 0x112130, 254, 0x102030},
        {"differences 1 0 0: mean 0.33", 0x102030, 0x112030, 255, 0x112030},
    };
    for (const auto& c : cases) {
        std::uint32_t colour = 0;
        std::uint8_t alpha = 0;
        RecoverAlpha(&c.black, &c.white, 1, 0xAB123456, &colour, &alpha);
        EXPECT_EQ(alpha, c.alpha) << c.what;
        EXPECT_EQ(colour, c.colour) << c.what << std::hex << ": 0x" << colour;
    }
}

}  // namespace
}  // namespace vx
