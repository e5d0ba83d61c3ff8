#include <gtest/gtest.h>

#include "io/PngFile.h"

namespace vx {
namespace {

TEST(PngFile, RoundTripsRgbAndRgba) {
    const std::vector<std::uint32_t> pixels = {0x80FF0000u, 0x0000FF00u, 0xFF0000FFu,
                                               0x12345678u, 0x00000000u, 0xFFFFFFFFu};
    for (const PngChannels channels : {PngChannels::RGB, PngChannels::RGBA}) {
        std::vector<std::uint8_t> bytes;
        ASSERT_TRUE(EncodePng(pixels.data(), 3, 2, channels, bytes));
        PngImage img;
        ASSERT_TRUE(DecodePng(bytes, img));
        EXPECT_EQ(img.w, 3);
        EXPECT_EQ(img.h, 2);
        EXPECT_EQ(img.has_alpha, channels == PngChannels::RGBA);
        for (std::size_t i = 0; i < pixels.size(); ++i) {
            const std::uint32_t alpha = channels == PngChannels::RGBA ? pixels[i] >> 24 : 0xFF;
            EXPECT_EQ(img.pixels[i], (pixels[i] & 0xFFFFFF) | alpha << 24) << i;
        }
    }
}

TEST(PngFile, TruncatedAndForeignDataAreRefused) {
    const std::vector<std::uint32_t> pixels(64 * 64, 0x00336699u);
    std::vector<std::uint8_t> bytes;
    ASSERT_TRUE(EncodePng(pixels.data(), 64, 64, PngChannels::RGB, bytes));
    PngImage img;
    std::string error;
    for (std::size_t len = 0; len < bytes.size(); len += 7)
        EXPECT_FALSE(DecodePng(std::span(bytes.data(), len), img, &error)) << len;
    EXPECT_FALSE(error.empty());
    const std::vector<std::uint8_t> gif = {'G', 'I', 'F', '8', '9', 'a', 0, 0, 0, 0};
    EXPECT_FALSE(DecodePng(gif, img));
    EXPECT_FALSE(EncodePng(pixels.data(), 0, 5, PngChannels::RGB, bytes));
}

}  // namespace
}  // namespace vx
