// The icon writer, read back by our own icon import: both entry formats, the
// directory of a several-size icon, and refusals.

#include <gtest/gtest.h>

#include "codecs/IcoDecoder.h"
#include "codecs/IcoWriter.h"
#include "codecs/Image.h"

namespace vx {
namespace {

// A size x size picture with colour in every channel, a clear corner and a
// partly transparent band.
std::vector<std::uint32_t> IconPixels(int size) {
    std::vector<std::uint32_t> px;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const std::uint32_t alpha = x + y < 3 ? 0 : y == size / 2 ? 0x80 : 0xFF;
            px.push_back(alpha << 24 | static_cast<std::uint32_t>(x * 255 / size) << 16 |
                         static_cast<std::uint32_t>(y * 255 / size) << 8 | 0x5A);
        }
    return px;
}

std::uint32_t U32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

TEST(IcoWriter, EachEntryFormatReadsBackWithItsColours) {
    for (const IcoEntryFormat format : {IcoEntryFormat::PNG, IcoEntryFormat::BMP})
        for (const int size : {16, 32, 48, 256}) {
            std::vector<std::uint32_t> px = IconPixels(size);
            const IcoPicture picture{px.data(), size, format};
            std::vector<std::uint8_t> file;
            ASSERT_TRUE(EncodeIco(std::span(&picture, 1), file));
            Image img;
            ASSERT_TRUE(DecodeIco(file, img)) << img.error;
            std::vector<std::uint32_t> back;
            ASSERT_TRUE(img.ToPixels(back));
            ASSERT_EQ(img.w, size);
            ASSERT_EQ(img.h, size);
            // Icons import opaque: the colours come back, the alpha does not.
            for (std::uint32_t& p : px) p |= 0xFF000000u;
            EXPECT_EQ(back, px) << size << (format == IcoEntryFormat::BMP ? " BMP" : " PNG");
        }
}

TEST(IcoWriter, TheDirectoryListsEveryPictureWhereItLies) {
    const int sizes[] = {16, 32, 48, 256};
    std::vector<std::vector<std::uint32_t>> pixels;
    std::vector<IcoPicture> pictures;
    for (const int size : sizes) {
        pixels.push_back(IconPixels(size));
        pictures.push_back(
            {pixels.back().data(), size, size < 48 ? IcoEntryFormat::BMP : IcoEntryFormat::PNG});
    }
    std::vector<std::uint8_t> file;
    ASSERT_TRUE(EncodeIco(pictures, file));
    ASSERT_EQ(file[4], 4);
    std::size_t end = 6 + 16 * pictures.size();
    for (const IcoPicture& picture : pictures) {
        const std::size_t entry = 6 + 16 * static_cast<std::size_t>(&picture - pictures.data());
        EXPECT_EQ(file[entry], picture.size % 256);  // 0 stands for 256
        EXPECT_EQ(file[entry + 1], picture.size % 256);
        const std::size_t at = U32(file, entry + 12);
        EXPECT_EQ(at, end) << "entries follow each other";
        end += U32(file, entry + 8);
        // There lies a PNG with the width (big-endian) in its header, or a bitmap header.
        const bool png = picture.format == IcoEntryFormat::PNG;
        EXPECT_EQ(file[at], png ? 0x89 : 40);
        EXPECT_EQ(png ? file[at + 18] << 8 | file[at + 19] : U32(file, at + 4), picture.size);
    }
    EXPECT_EQ(end, file.size());
}

TEST(IcoWriter, RefusesWhatAnIconCannotHold) {
    const std::vector<std::uint32_t> px(257 * 257);
    std::vector<std::uint8_t> file{1, 2, 3};
    EXPECT_FALSE(EncodeIco({}, file));
    EXPECT_TRUE(file.empty());
    for (const int size : {0, -4, 257}) {
        const IcoPicture picture{px.data(), size, IcoEntryFormat::PNG};
        EXPECT_FALSE(EncodeIco(std::span(&picture, 1), file)) << size;
    }
    const IcoPicture no_pixels{nullptr, 16, IcoEntryFormat::BMP};
    EXPECT_FALSE(EncodeIco(std::span(&no_pixels, 1), file));
}

}  // namespace
}  // namespace vx
