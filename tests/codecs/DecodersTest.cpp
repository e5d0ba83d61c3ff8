// Every decoder on real files of each variant it accepts, the texts it records
// when it refuses one, and the rule that a damaged file is refused, never
// misread.

#include <gtest/gtest.h>
#include <png.h>

#include <cstdlib>
#include <random>

#include "codecs/Image.h"
#include "codecs/ImageLimits.h"
#include "support/SampleImages.h"

namespace vx {
namespace {

using test::Bytes;

// Decodes and converts to our pixel layout; empty on failure.
std::vector<std::uint32_t> Pixels(const Bytes& file, int type, std::string* error = nullptr) {
    Image img;
    std::vector<std::uint32_t> px;
    if (!img.Decode(file, type) || !img.ToPixels(px)) {
        if (error) *error = img.error;
        return {};
    }
    return px;
}

// Largest difference of any channel (alpha included) between two pictures;
// 256 when the sizes differ.
int MaxDiff(const std::vector<std::uint32_t>& a, const std::vector<std::uint32_t>& b) {
    if (a.size() != b.size()) return 256;
    int worst = 0;
    for (std::size_t i = 0; i < a.size(); ++i)
        for (int shift = 0; shift < 32; shift += 8)
            worst =
                std::max(worst, std::abs(int(a[i] >> shift & 0xFF) - int(b[i] >> shift & 0xFF)));
    return worst;
}

// Every variant of every format against the picture it shows: exact, except
// where the format cannot hold the colours (five bits a channel, JPEG).
TEST(Decoders, EveryVariantGivesTheSamplePicture) {
    struct Case {
        std::string what;
        Bytes file;
        int type;
        std::vector<std::uint32_t> expected;
        int tolerance = 0;
    };
    const auto colour = test::Reference(), grey = test::ReferenceGrey();
    std::vector<Case> cases;
    for (const test::BmpSpec& s : std::initializer_list<test::BmpSpec>{
             {12, 1},           {12, 4},      {12, 8},      {12, 24},  // OS/2 1.x
             {64, 8},           {64, 4, 2},                            // OS/2 2.x
             {40, 1},           {40, 4},      {40, 8},      {40, 24},
             {40, 24, 0, true}, {40, 8, 1},   {40, 4, 2},  // RLE8, RLE4
             {40, 16},          {40, 16, 3},  {40, 32},     {40, 32, 3},
             {40, 32, 0, true}, {108, 32, 3}, {124, 16, 3}, {124, 8, 0, true},
         })
        cases.push_back({"BMP header " + std::to_string(s.header) + ", " + std::to_string(s.bits) +
                             " bits, compression " + std::to_string(s.compression) +
                             (s.top_down ? ", top-down" : ""),
                         test::MakeBmp(s), IMAGE_BMP, test::Reference(s.bits == 1 ? 2 : 4),
                         s.bits == 16 ? 7 : 0});
    for (const int kind : {0, 1, 2})  // the first image, opaque, bitmap or PNG
        cases.push_back({"ICO " + std::to_string(kind), test::MakeIco(kind), IMAGE_ICO, colour});
    for (const int type : {1, 2, 3, 9, 10, 11})
        for (const bool top_down : {false, true})
            for (const bool rtl : {false, true})
                cases.push_back(
                    {"TGA type " + std::to_string(type) + (top_down ? " top-down" : "") +
                         (rtl ? " right-to-left" : ""),
                     test::MakeTga({type, type == 2 || type == 10 ? 24 : 8, top_down, rtl}),
                     IMAGE_TGA, type == 3 || type == 11 ? grey : colour});
    for (const bool interlaced : {false, true})
        for (const bool local : {false, true}) {  // the first image, transparency shown
            test::GifSpec spec;
            spec.interlaced = interlaced;
            spec.local_table = local;
            spec.transparent = spec.second_image = true;
            cases.push_back({"GIF" + std::string(interlaced ? " interlaced" : "") +
                                 (local ? " local table" : ""),
                             test::MakeGif(spec), IMAGE_GIF, colour});
        }
    for (const int kind : {0, 1, 2, 3})  // baseline, progressive, grey, CMYK
        cases.push_back({"JPEG " + std::to_string(kind), test::MakeJpeg(kind), IMAGE_JPG,
                         test::ScaleUp8(kind == 2 ? grey : colour), 3});
    using test::TiffKind;
    for (const TiffKind kind :  // the first page, opaque
         {TiffKind::RGB, TiffKind::PALETTE, TiffKind::TWO_PAGES, TiffKind::TILED, TiffKind::GREY})
        cases.push_back({"TIFF " + std::to_string(static_cast<int>(kind)), test::MakeTiff(kind),
                         IMAGE_TIF, kind == TiffKind::GREY ? grey : colour});
    for (const Case& c : cases) {
        std::string error;
        EXPECT_LE(MaxDiff(Pixels(c.file, c.type, &error), c.expected), c.tolerance)
            << c.what << ": " << error;
    }
}

TEST(BmpDecoder, RunLengthDeltaSkipsPixelsAndClipsRunsAtTheEdge) {
    Bytes bmp = test::MakeBmp({40, 8, 1});
    const std::size_t pixels = bmp[10];
    // 2x2 picture: a run of 5 (clipped to 2), end of line, delta (1, 0), 1 pixel.
    const Bytes rle = {5, 2, 0, 0, 0, 2, 1, 0, 1, 3, 0, 1};
    bmp.resize(pixels);
    bmp.insert(bmp.end(), rle.begin(), rle.end());
    bmp[18] = 2, bmp[22] = 2;  // width and height
    const std::uint32_t c0 = 0xFF000000u | test::SampleColour(0),
                        c2 = 0xFF000000u | test::SampleColour(2),
                        c3 = 0xFF000000u | test::SampleColour(3);
    EXPECT_EQ(Pixels(bmp, IMAGE_BMP), (std::vector<std::uint32_t>{c0, c3, c2, c2}));
}

TEST(TgaDecoder, ColourMapOfAnUnmappedPictureIsSkipped) {
    for (const int map_bits : {24, 0}) {  // a zero entry size once read past the map
        test::Bytes tga = test::MakeTga({3, 8});
        tga[1] = 1, tga[5] = 2, tga[7] = static_cast<std::uint8_t>(map_bits);
        tga.insert(tga.begin() + 18 + 3, map_bits / 8 * 2, 0x55);
        EXPECT_EQ(Pixels(tga, IMAGE_TGA), test::ReferenceGrey()) << map_bits;
    }
}

TEST(TgaDecoder, SixteenAndThirtyTwoBitsCarryAlpha) {
    for (const int type : {2, 10}) {
        EXPECT_EQ(Pixels(test::MakeTga({type, 32}), IMAGE_TGA),
                  test::WithSampleAlpha(test::Reference()));
        std::vector<std::uint32_t> expected = test::Reference();
        for (int y = 0; y < test::SAMPLE_H; ++y)
            for (int x = 0; x < test::SAMPLE_W; ++x)
                if ((x + y) % 2 == 0) expected[y * test::SAMPLE_W + x] &= 0xFFFFFF;
        EXPECT_LE(MaxDiff(Pixels(test::MakeTga({type, 16}), IMAGE_TGA), expected), 7);
    }
    // An alpha plane that is zero throughout is taken as "no alpha", not as an
    // invisible picture.
    Bytes tga = test::MakeTga({2, 32});
    for (std::size_t i = 18 + 3 + 3; i < tga.size(); i += 4) tga[i] = 0;
    EXPECT_EQ(Pixels(tga, IMAGE_TGA), test::Reference());
}

TEST(GifDecoder, FullCodeTablesAndLongStringsDecodeExactly) {
    std::mt19937 rng(7);
    for (const auto& [w, h, spread] : {std::tuple{301, 203, 256}, {640, 480, 3}, {97, 61, 2}}) {
        test::GifSpec spec;
        spec.w = w, spec.h = h, spec.interlaced = w == 97;
        std::vector<std::uint32_t> expected;
        for (int i = 0; i < w * h; ++i) {
            const auto index = static_cast<std::uint8_t>(rng() % spread);
            spec.indices.push_back(index);
            expected.push_back(0xFF000000u | test::GifColour(index));
        }
        EXPECT_EQ(Pixels(test::MakeGif(spec), IMAGE_GIF), expected) << w << "x" << h;
    }
}

TEST(TiffDecoder, UnassociatedAlphaIsDroppedKeepingTheColours) {
    // The colours come back as stored, within the rounding of libtiff's
    // premultiplication, except where alpha was too small to keep them.
    const std::vector<std::uint32_t> rgba = Pixels(test::MakeTiff(test::TiffKind::RGBA), IMAGE_TIF);
    const std::vector<std::uint32_t> reference = test::Reference();
    ASSERT_EQ(rgba.size(), reference.size());
    for (int y = 0; y < test::SAMPLE_H; ++y) {
        for (int x = 0; x < test::SAMPLE_W; ++x) {
            const std::size_t i = static_cast<std::size_t>(y) * test::SAMPLE_W + x;
            if (test::SampleAlpha(x, y) < 64) continue;
            EXPECT_LE(MaxDiff({rgba[i]}, {reference[i]}), 2) << x << "," << y;
        }
    }
}

// A copy of `b` with the bytes at the given offsets replaced.
Bytes Patched(Bytes b, std::initializer_list<std::pair<std::size_t, std::uint8_t>> bytes) {
    for (const auto& [at, value] : bytes) b[at] = value;
    return b;
}

TEST(Decoders, RecordWhyTheyRefuse) {
    const Bytes png = test::MakePng(PNG_COLOR_TYPE_RGB, 8), bmp = test::MakeBmp({40, 24});
    const Bytes ico = test::MakeIco(0), tga = test::MakeTga({2, 24}), gif = test::MakeGif({});
    const Bytes rle_tga = test::MakeTga({10, 24});
    Bytes no_image(gif.begin(), gif.begin() + 13 + 12);  // header and table, then the end
    no_image.push_back(0x3B);
    const struct {
        const char* what;
        Bytes file;
        int type;
        const char* error;
    } cases[] = {
        {"PNG as BMP", png, IMAGE_BMP, "Not a BMP"},
        {"JPEG inside", Patched(bmp, {{30, 4}}), IMAGE_BMP, "compression type not supported"},
        {"RLE8 at 24 bits", Patched(bmp, {{30, 1}}), IMAGE_BMP, "compression type not supported"},
        {"compression 99", Patched(bmp, {{30, 99}}), IMAGE_BMP, "unknown compression"},
        {"2 bits a pixel", Patched(bmp, {{28, 2}}), IMAGE_BMP, "Error reading BMP info"},
        {"16391 x 16389", Patched(bmp, {{19, 0x40}, {23, 0x40}}), IMAGE_BMP, IMAGE_TOO_LARGE_TEXT},
        // within a side, beyond 64 megapixels
        {"12295 x 12293", Patched(bmp, {{19, 0x30}, {23, 0x30}}), IMAGE_BMP, IMAGE_TOO_LARGE_TEXT},
        {"263 wide", Patched(bmp, {{19, 0x01}}), IMAGE_BMP, "BMP pixel data ends early"},
        {"neither icon nor cursor", Patched(ico, {{2, 3}}), IMAGE_ICO, "Not an ICO"},
        {"entry beyond the file", Patched(ico, {{21, 0x7F}}), IMAGE_ICO, "corrupted ICO"},
        {"TGA header cut", Bytes(tga.begin(), tga.begin() + 17), IMAGE_TGA, "Not a TGA"},
        {"TGA type 7", Patched(tga, {{2, 7}}), IMAGE_TGA, "Unknown TGA image type"},
        {"RLE TGA cut", Bytes(rle_tga.begin(), rle_tga.end() - 1), IMAGE_TGA, "corrupted TGA"},
        {"65287 x 65285", Patched(tga, {{13, 0xFF}, {15, 0xFF}}), IMAGE_TGA, IMAGE_TOO_LARGE_TEXT},
        {"BMP as GIF", bmp, IMAGE_GIF, "Not a GIF"},
        {"GIF without image", no_image, IMAGE_GIF, "GIF holds no image"},
        {"LZW TIFF", test::MakeTiff(test::TiffKind::LZW), IMAGE_TIF,
         "LZW compression is no longer supported due to Unisys patent enforcement"},
        {"PNG as TIFF", png, IMAGE_TIF, "Error encountered while opening TIFF file"},
        {"type number 7", bmp, 7, "Unsupported operation for this format"},
    };
    for (const auto& c : cases) {
        std::string error;
        EXPECT_TRUE(Pixels(c.file, c.type, &error).empty()) << c.what;
        EXPECT_EQ(error, c.error) << c.what;
    }
}

test::GifSpec InterlacedGif() {
    test::GifSpec spec;
    spec.interlaced = true;
    return spec;
}

// Every sample of every format, cut at every length and with single bytes
// damaged: each is refused or decodes to the same picture as the whole file
// (trailing bytes a decoder never needs), and nothing reads out of bounds.
TEST(Decoders, DamagedFilesAreRefusedNeverMisread) {
    std::vector<std::pair<Bytes, int>> files = {
        {test::MakeBmp({40, 8, 1}), IMAGE_BMP},
        {test::MakeBmp({40, 4, 2}), IMAGE_BMP},
        {test::MakeBmp({12, 24}), IMAGE_BMP},
        {test::MakeBmp({124, 16, 3}), IMAGE_BMP},
        {test::MakeIco(0), IMAGE_ICO},
        {test::MakeIco(2), IMAGE_ICO},
        {test::MakeTga({9, 8}), IMAGE_TGA},
        {test::MakeTga({10, 32, true}), IMAGE_TGA},
        {test::MakeGif(InterlacedGif()), IMAGE_GIF},
        {test::MakeJpeg(1), IMAGE_JPG},
        {test::MakeTiff(test::TiffKind::RGB), IMAGE_TIF},
        {test::MakePng(PNG_COLOR_TYPE_PALETTE, 2), IMAGE_PNG},
    };
    for (const auto& [file, type] : files) {
        const std::vector<std::uint32_t> whole = Pixels(file, type);
        ASSERT_FALSE(whole.empty()) << type;
        for (std::size_t len = 0; len < file.size(); ++len) {
            const std::vector<std::uint32_t> cut =
                Pixels(Bytes(file.begin(), file.begin() + len), type);
            EXPECT_TRUE(cut.empty() || cut == whole) << "type " << type << " cut at " << len;
        }
        for (std::size_t at = 0; at < file.size(); ++at) {
            Bytes damaged = file;
            damaged[at] ^= 0xFF;
            Pixels(damaged, type);  // must not crash; the sanitizer build checks bounds
        }
    }
}

}  // namespace
}  // namespace vx
