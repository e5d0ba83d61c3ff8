// The six export writers, read back with our decoders or the format's library:
// exact where the format is lossless, alpha where the format holds it, and
// files that are complete or absent.

#include <gtest/gtest.h>
#include <tiffio.h>

#include <cmath>

#include "codecs/Image.h"
#include "codecs/ImageWriters.h"
#include "codecs/PngDecoder.h"
#include "codecs/TiffMemory.h"
#include "support/SampleImages.h"

namespace vx {
namespace {

// A picture with smooth gradients (thousands of colours) and a flat area,
// its alpha a ramp from transparent to opaque with a fully opaque half.
struct TestPicture {
    int w, h;
    std::vector<std::uint32_t> px;
    std::vector<std::uint8_t> alpha;
    TestPicture(int width, int height) : w(width), h(height) {
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const std::uint32_t r = x * 255 / (w - 1), g = y * 255 / (h - 1);
                px.push_back(x < w / 4 ? 0x336699u : r << 16 | g << 8 | (r ^ g));
                alpha.push_back(static_cast<std::uint8_t>(y < h / 2 ? 255 : x * 255 / (w - 1)));
            }
    }
    WritePixels Opaque() const { return {px.data(), w, h, nullptr}; }
    WritePixels Transparent() const { return {px.data(), w, h, alpha.data()}; }
};

// Mean absolute channel error of `b` against opaque `a`.
double MeanError(const std::vector<std::uint32_t>& a, const std::vector<std::uint32_t>& b) {
    if (a.size() != b.size()) return 1e9;
    double sum = 0;
    for (std::size_t i = 0; i < a.size(); ++i)
        for (int s = 0; s < 24; s += 8)
            sum += std::abs(int(a[i] >> s & 0xFF) - int(b[i] >> s & 0xFF));
    return sum / (3.0 * static_cast<double>(a.size()));
}

TEST(Writers, LosslessFormatsGiveBackEveryPixelAndIgnoreTheTopByte) {
    for (const int w : {1, 2, 3, 5, 64}) {  // every BMP row padding
        const TestPicture pic(std::max(w, 2), 7);
        std::vector<std::uint32_t> marked = pic.px, opaque = pic.px;
        for (std::size_t i = 0; i < marked.size(); ++i)
            marked[i] |= 0x5A000000u, opaque[i] |= 0xFF000000u;
        const WritePixels in{marked.data(), pic.w, pic.h};
        std::vector<std::uint8_t> file;
        for (const auto& [format, type] : {std::pair{ImageFormat::BMP24, IMAGE_BMP},
                                           {ImageFormat::PNG24, IMAGE_PNG},
                                           {ImageFormat::TIFF, IMAGE_TIF}}) {
            ASSERT_TRUE(EncodeImage(format, in, 100, file));
            EXPECT_EQ(test::Decoded(file, type), opaque) << w << " " << type;
        }
    }
}

TEST(Writers, PaletteFormatsKeepFewColoursExactlyAndReduceManyWell) {
    const std::vector<std::uint32_t> few = test::Reference();
    const WritePixels sample{few.data(), test::SAMPLE_W, test::SAMPLE_H};
    const TestPicture many(120, 80);
    for (const auto& [format, type] :
         {std::pair{ImageFormat::PNG8, IMAGE_PNG}, {ImageFormat::GIF8, IMAGE_GIF}}) {
        std::vector<std::uint8_t> file;
        ASSERT_TRUE(EncodeImage(format, sample, 90, file));
        EXPECT_EQ(test::Decoded(file, type), few);
        ASSERT_TRUE(EncodeImage(format, many.Opaque(), 90, file));
        EXPECT_LT(MeanError(test::Decoded(file, type), many.px), 5.0);
    }
}

TEST(Writers, LossyQualityChangesSizeAndStaysClose) {
    const TestPicture pic(160, 120);
    for (const ImageFormat format : {ImageFormat::JPEG, ImageFormat::TIFF}) {
        const int type = format == ImageFormat::JPEG ? IMAGE_JPG : IMAGE_TIF;
        std::vector<std::uint8_t> low, high;
        ASSERT_TRUE(EncodeImage(format, pic.Opaque(), 10, low));
        ASSERT_TRUE(EncodeImage(format, pic.Opaque(), 95, high));
        EXPECT_LT(low.size(), high.size());
        EXPECT_LT(MeanError(test::Decoded(high, type), pic.px), 3.0);
        EXPECT_LT(MeanError(test::Decoded(low, type), pic.px), 12.0);
    }
}

TEST(Writers, TransparentPngKeepsAlphaExactly) {
    const TestPicture pic(40, 30);
    std::vector<std::uint8_t> file;
    ASSERT_TRUE(EncodeImage(ImageFormat::PNG24, pic.Transparent(), 90, file));
    PngImage png;
    ASSERT_TRUE(DecodePng(file, png));
    for (std::size_t i = 0; i < pic.px.size(); ++i)
        ASSERT_EQ(png.pixels[i], std::uint32_t{pic.alpha[i]} << 24 | pic.px[i]) << i;

    // PNG 8: opaque pixels stay opaque, the transparent column stays transparent,
    // and the ramp in between stays close.
    ASSERT_TRUE(EncodeImage(ImageFormat::PNG8, pic.Transparent(), 90, file));
    ASSERT_TRUE(DecodePng(file, png));
    double alpha_error = 0;
    for (std::size_t i = 0; i < pic.px.size(); ++i) {
        const int a = static_cast<int>(png.pixels[i] >> 24);
        if (pic.alpha[i] == 255 || pic.alpha[i] == 0) {
            ASSERT_EQ(a, pic.alpha[i]) << i;
        }
        alpha_error += std::abs(a - pic.alpha[i]);
    }
    EXPECT_LT(alpha_error / static_cast<double>(pic.px.size()), 2.0);
}

// The index a GIF's graphic control extension makes transparent, or -1.
int TransparentIndex(const std::vector<std::uint8_t>& gif) {
    std::size_t at = 13 + (gif[10] & 0x80 ? 3u << ((gif[10] & 7) + 1) : 0);
    while (at + 7 < gif.size() && gif[at] == 0x21) {  // extensions: a label, then sub-blocks
        if (gif[at + 1] == 0xF9) return gif[at + 3] & 1 ? gif[at + 6] : -1;
        for (at += 2; at < gif.size() && gif[at] != 0;) at += gif[at] + 1u;
        ++at;
    }
    return -1;
}

TEST(Writers, TransparentGifMarksPixelsBelowHalfAlpha) {
    const TestPicture pic(40, 30);
    for (const bool transparent : {true, false}) {
        std::vector<std::uint8_t> file;
        ASSERT_TRUE(EncodeImage(ImageFormat::GIF8, transparent ? pic.Transparent() : pic.Opaque(),
                                90, file));
        const int index = TransparentIndex(file);
        Image img;
        ASSERT_TRUE(img.Decode(file, IMAGE_GIF) && img.paletted);
        for (std::size_t i = 0; i < pic.px.size(); ++i)
            ASSERT_EQ(img.px[i] == index, transparent && pic.alpha[i] < 128) << i;
    }
}

TEST(Writers, TransparentTiffIsLosslessWithUnassociatedAlpha) {
    const TestPicture pic(33, 17);
    std::vector<std::uint8_t> file;
    ASSERT_TRUE(EncodeImage(ImageFormat::TIFF, pic.Transparent(), 50, file));
    TiffMemoryFile memory{file};
    const TiffPtr tiff = OpenTiffMemory(memory, "r");
    TIFF* const tif = tiff.get();
    ASSERT_NE(tif, nullptr);
    std::uint16_t samples = 0, count = 0, compression = 0, *extra = nullptr;
    TIFFGetField(tif, TIFFTAG_SAMPLESPERPIXEL, &samples);
    TIFFGetField(tif, TIFFTAG_EXTRASAMPLES, &count, &extra);
    TIFFGetField(tif, TIFFTAG_COMPRESSION, &compression);
    EXPECT_EQ(samples, 4);
    ASSERT_EQ(count, 1);
    EXPECT_EQ(extra[0], EXTRASAMPLE_UNASSALPHA);
    EXPECT_EQ(compression, COMPRESSION_ADOBE_DEFLATE);
    std::vector<std::uint8_t> row(static_cast<std::size_t>(TIFFScanlineSize(tif)));
    for (int y = 0; y < pic.h; ++y) {
        ASSERT_EQ(TIFFReadScanline(tif, row.data(), y, 0), 1);
        for (std::size_t x = 0, i = y * pic.w; x < row.size(); x += 4, ++i)
            ASSERT_EQ(std::uint32_t(row[x + 3] << 24 | row[x] << 16 | row[x + 1] << 8 | row[x + 2]),
                      std::uint32_t{pic.alpha[i]} << 24 | pic.px[i]);
    }
}

TEST(Writers, RefusesWhatAFormatCannotHold) {
    const TestPicture pic(8, 8);
    std::vector<std::uint8_t> file;
    EXPECT_EQ(EncodeImage(ImageFormat::BMP24, pic.Transparent(), 90, file).message(),
              "BMP 24 Bit cannot hold transparency");
    EXPECT_FALSE(EncodeImage(ImageFormat::JPEG, pic.Transparent(), 90, file));
    EXPECT_TRUE(file.empty());
    const std::vector<std::uint32_t> wide(70000, 0);
    EXPECT_EQ(EncodeImage(ImageFormat::GIF8, {wide.data(), 70000, 1}, 90, file).message(),
              "GIF 8 Bit pictures are limited to 65535 pixels a side");
    EXPECT_FALSE(EncodeImage(ImageFormat::PNG24, {pic.px.data(), 0, 8}, 90, file));
}

}  // namespace
}  // namespace vx
