// Every decoder on real files of each variant it accepts, the texts it records
// when it refuses one, and the rule that a damaged file is refused, never
// misread.

#include <gtest/gtest.h>
#include <png.h>

#include <cstdlib>
#include <cstring>
#include <random>

#include "codecs/Image.h"
#include "codecs/ImageLimits.h"
#include "codecs/TiffMemory.h"
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

TEST(TgaDecoder, SixteenBitGreyIsGreyThenAlpha) {
    for (const int type : {3, 11})
        for (const bool top_down : {false, true}) {
            std::string error;
            EXPECT_EQ(Pixels(test::MakeTga({type, 16, top_down}), IMAGE_TGA, &error),
                      test::WithSampleAlpha(test::ReferenceGrey()))
                << type << top_down << error;
        }
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

// A w x h GIF with the global table of GifColour, its LZW data of literal codes
// only at minimum code size `min_size` (giflib writes 8 at most).
Bytes LiteralGif(int w, int h, int min_size, const std::vector<std::uint8_t>& indices) {
    Bytes b = {'G', 'I', 'F', '8', '9', 'a'};
    const auto put16 = [&](int v) {
        b.push_back(static_cast<std::uint8_t>(v)), b.push_back(static_cast<std::uint8_t>(v >> 8));
    };
    put16(w), put16(h), b.push_back(0xF7), b.push_back(0), b.push_back(0);
    for (int i = 0; i < 256; ++i)
        for (const int shift : {16, 8, 0})
            b.push_back(static_cast<std::uint8_t>(test::GifColour(i) >> shift));
    b.push_back(0x2C), put16(0), put16(0), put16(w), put16(h), b.push_back(0);
    b.push_back(static_cast<std::uint8_t>(min_size));
    // Codes as the decoder reads them: the width grows when the next table
    // entry needs another bit; a clear code comes before the table fills.
    Bytes data;
    std::uint32_t bits = 0;
    int count = 0;
    const int clear = 1 << min_size;
    int size = min_size + 1, next = clear + 2;
    bool fresh = true;
    const auto code = [&](int c) {
        bits |= static_cast<std::uint32_t>(c) << count;
        for (count += size; count >= 8; count -= 8, bits >>= 8)
            data.push_back(static_cast<std::uint8_t>(bits));
    };
    code(clear);
    for (const std::uint8_t index : indices) {
        if (next >= 4000) code(clear), size = min_size + 1, next = clear + 2, fresh = true;
        code(index);
        if (!fresh && ++next == 1 << size && size < 12) ++size;
        fresh = false;
    }
    code(clear + 1);
    if (count > 0) data.push_back(static_cast<std::uint8_t>(bits));
    for (std::size_t at = 0; at < data.size(); at += 255) {
        const std::size_t n = std::min<std::size_t>(255, data.size() - at);
        b.push_back(static_cast<std::uint8_t>(n));
        b.insert(b.end(), data.begin() + static_cast<std::ptrdiff_t>(at),
                 data.begin() + static_cast<std::ptrdiff_t>(at + n));
    }
    b.push_back(0), b.push_back(0x3B);
    return b;
}

TEST(GifDecoder, MinimumCodeSizesUpToElevenAreRead) {
    const int w = 90, h = 70;  // enough codes to pass 12 bits and clear again
    std::vector<std::uint8_t> indices;
    std::vector<std::uint32_t> expected;
    for (int i = 0; i < w * h; ++i) {
        indices.push_back(static_cast<std::uint8_t>(i * 7 % 256));
        expected.push_back(0xFF000000u | test::GifColour(indices.back()));
    }
    for (const int min_size : {8, 9, 10, 11}) {
        std::string error;
        EXPECT_EQ(Pixels(LiteralGif(w, h, min_size, indices), IMAGE_GIF, &error), expected)
            << min_size << error;
    }
    std::string error;
    EXPECT_TRUE(Pixels(LiteralGif(w, h, 12, indices), IMAGE_GIF, &error).empty());
    EXPECT_EQ(error, "corrupted GIF");
}

TEST(JpegDecoder, AFileLackingOnlyItsEndMarkerIsRead) {
    for (const int kind : {0, 1, 2}) {
        const Bytes whole = test::MakeJpeg(kind);
        ASSERT_EQ(whole[whole.size() - 2], 0xFF);
        ASSERT_EQ(whole.back(), 0xD9);
        const std::vector<std::uint32_t> expected = Pixels(whole, IMAGE_JPG);
        std::size_t last_scan = 0;  // the start marker of the last scan
        for (std::size_t i = 0; i + 1 < whole.size(); ++i)
            if (whole[i] == 0xFF && whole[i + 1] == 0xDA) last_scan = i;
        const struct {
            const char* what;
            std::size_t length;
            bool read;
        } cuts[] = {
            {"no end marker", whole.size() - 2, true},
            {"half an end marker", whole.size() - 1, true},
            {"scan data cut", whole.size() - 40, false},
            {"last scan missing", last_scan, false},
        };
        for (const auto& c : cuts) {
            std::string error;
            const std::vector<std::uint32_t> px =
                Pixels(Bytes(whole.begin(), whole.begin() + c.length), IMAGE_JPG, &error);
            if (c.read)
                EXPECT_EQ(px, expected) << kind << " " << c.what << ": " << error;
            else
                EXPECT_EQ(error, "Error reading JPEG file") << kind << " " << c.what;
        }
    }
}

// A TIFF of `samples` samples a pixel, `bits` each, from `data` (rows top
// first, in the machine's byte order), written with libtiff.
struct TiffSpec {
    int w = 0, h = 0, samples = 3, bits = 8;
    std::uint16_t photometric = PHOTOMETRIC_RGB;
    std::uint16_t orientation = ORIENTATION_TOPLEFT;
    std::uint16_t format = SAMPLEFORMAT_UINT;
};

Bytes MakeTiffOf(const TiffSpec& s, const Bytes& data) {
    std::vector<std::uint8_t> out;
    TiffMemoryFile file{{}, &out};
    {
        const TiffPtr t = OpenTiffMemory(file, "w");
        TIFFSetField(t.get(), TIFFTAG_IMAGEWIDTH, s.w);
        TIFFSetField(t.get(), TIFFTAG_IMAGELENGTH, s.h);
        TIFFSetField(t.get(), TIFFTAG_BITSPERSAMPLE, s.bits);
        TIFFSetField(t.get(), TIFFTAG_SAMPLESPERPIXEL, s.samples);
        TIFFSetField(t.get(), TIFFTAG_SAMPLEFORMAT, s.format);
        TIFFSetField(t.get(), TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
        TIFFSetField(t.get(), TIFFTAG_PHOTOMETRIC, s.photometric);
        TIFFSetField(t.get(), TIFFTAG_ORIENTATION, s.orientation);
        TIFFSetField(t.get(), TIFFTAG_ROWSPERSTRIP, s.h);
        const std::size_t row = data.size() / static_cast<std::size_t>(s.h);
        for (int y = 0; y < s.h; ++y)
            TIFFWriteScanline(t.get(), const_cast<std::uint8_t*>(&data[y * row]),
                              static_cast<std::uint32_t>(y), 0);
    }
    return out;
}

// Pixels 0x..RRGGBB as the bytes R, G, B of each.
Bytes RgbBytes(const std::vector<std::uint32_t>& px) {
    Bytes b;
    for (const std::uint32_t p : px)
        for (const int shift : {16, 8, 0}) b.push_back(static_cast<std::uint8_t>(p >> shift));
    return b;
}

// Six distinct colours a..f, stored as the rows "abc" and "def".
const std::vector<std::uint32_t> LETTERS = {0xFF102030, 0xFF405060, 0xFF708090,
                                            0xFFA0B0C0, 0xFFD0E0F0, 0xFFF01080};

std::vector<std::uint32_t> Letters(const std::string& rows) {
    std::vector<std::uint32_t> px;
    for (const char c : rows)
        if (c != '/') px.push_back(LETTERS[static_cast<std::size_t>(c - 'a')]);
    return px;
}

TEST(TiffDecoder, EveryOrientationIsShownAsMeant) {
    const struct {
        std::uint16_t orientation;
        int w;
        const char* shown;
    } cases[] = {
        {1, 3, "abc/def"},  {2, 3, "cba/fed"},  {3, 3, "fed/cba"},  {4, 3, "def/abc"},
        {5, 2, "ad/be/cf"}, {6, 2, "da/eb/fc"}, {7, 2, "fc/eb/da"}, {8, 2, "cf/be/ad"},
    };
    for (const auto& c : cases) {
        TiffSpec spec{3, 2};
        spec.orientation = c.orientation;
        Image img;
        ASSERT_TRUE(img.Decode(MakeTiffOf(spec, RgbBytes(LETTERS)), IMAGE_TIF)) << img.error;
        std::vector<std::uint32_t> px;
        ASSERT_TRUE(img.ToPixels(px));
        EXPECT_EQ(img.w, c.w) << c.orientation;
        EXPECT_EQ(px, Letters(c.shown)) << c.orientation;
    }
}

TEST(TiffDecoder, UnassociatedAlphaKeepsTheStoredColourEvenWhereTransparent) {
    EXPECT_EQ(Pixels(test::MakeTiff(test::TiffKind::RGBA), IMAGE_TIF), test::Reference());
}

TEST(TiffDecoder, SignedGreyIsShiftedUpByHalfTheRange) {
    const std::int16_t values[] = {-32768, -1, 0, 255, 32767};  // at 8 bits, the top byte
    const int grey[] = {0, 127, 128, 128, 255};                 // (v + 32768) / 256
    for (const int bits : {16, 8})
        for (const std::uint16_t photometric :
             {std::uint16_t{PHOTOMETRIC_MINISBLACK}, std::uint16_t{PHOTOMETRIC_MINISWHITE}}) {
            Bytes data;
            std::vector<std::uint32_t> expected;
            for (int i = 0; i < 5; ++i) {
                const auto v = static_cast<std::int16_t>(bits == 8 ? values[i] >> 8 : values[i]);
                std::uint8_t two[2] = {static_cast<std::uint8_t>(v), 0};
                if (bits == 16) std::memcpy(two, &v, 2);  // libtiff writes in the machine's order
                data.insert(data.end(), two, two + bits / 8);
                const int g = photometric == PHOTOMETRIC_MINISWHITE ? 255 - grey[i] : grey[i];
                expected.push_back(0xFF000000u | static_cast<std::uint32_t>(g) * 0x010101u);
            }
            TiffSpec spec{5, 1, 1, bits, photometric};
            spec.format = SAMPLEFORMAT_INT;
            std::string error;
            EXPECT_EQ(Pixels(MakeTiffOf(spec, data), IMAGE_TIF, &error), expected)
                << bits << " bits, photometric " << photometric << error;
        }
}

// `jpeg` with an EXIF segment recording `orientation` after its start marker,
// in either byte order.
Bytes WithExifOrientation(const Bytes& jpeg, std::uint16_t orientation, bool big_endian) {
    const auto num = [&](Bytes& b, std::uint32_t v, int n) {
        for (int i = 0; i < n; ++i)
            b.push_back(static_cast<std::uint8_t>(v >> (8 * (big_endian ? n - 1 - i : i))));
    };
    Bytes tiff = big_endian ? Bytes{'M', 'M'} : Bytes{'I', 'I'};
    num(tiff, 42, 2), num(tiff, 8, 4);
    num(tiff, 2, 2);                                         // two entries
    num(tiff, 0x010F, 2), num(tiff, 2, 2), num(tiff, 4, 4);  // the maker, "Vx\0\0" in place
    tiff.insert(tiff.end(), {'V', 'x', 0, 0});
    num(tiff, 0x0112, 2), num(tiff, 3, 2), num(tiff, 1, 4), num(tiff, orientation, 2),
        num(tiff, 0, 2);
    num(tiff, 0, 4);
    Bytes app1 = {0xFF, 0xE1};
    const std::size_t length = 2 + 6 + tiff.size();
    app1.push_back(static_cast<std::uint8_t>(length >> 8)),
        app1.push_back(static_cast<std::uint8_t>(length));
    app1.insert(app1.end(), {'E', 'x', 'i', 'f', 0, 0});
    app1.insert(app1.end(), tiff.begin(), tiff.end());
    Bytes out(jpeg.begin(), jpeg.begin() + 2);
    out.insert(out.end(), app1.begin(), app1.end());
    out.insert(out.end(), jpeg.begin() + 2, jpeg.end());
    return out;
}

TEST(JpegDecoder, ExifOrientationTurnsThePhotoAsTiffOrientationDoes) {
    const Bytes jpeg = test::MakeJpeg(0);  // the sample, 8 x 8 pixels a sample pixel
    const Bytes stored = RgbBytes(test::Reference());
    for (std::uint16_t o = 1; o <= 8; ++o)
        for (const bool big : {false, true}) {
            TiffSpec spec{test::SAMPLE_W, test::SAMPLE_H};
            spec.orientation = o;
            Image tiff, photo;
            ASSERT_TRUE(tiff.Decode(MakeTiffOf(spec, stored), IMAGE_TIF));
            ASSERT_TRUE(photo.Decode(WithExifOrientation(jpeg, o, big), IMAGE_JPG)) << photo.error;
            ASSERT_EQ(photo.w, tiff.w * 8) << o;
            ASSERT_EQ(photo.h, tiff.h * 8) << o;
            std::vector<std::uint32_t> want, got, centres;
            ASSERT_TRUE(tiff.ToPixels(want) && photo.ToPixels(got));
            for (int y = 0; y < tiff.h; ++y)
                for (int x = 0; x < tiff.w; ++x)
                    centres.push_back(
                        got[static_cast<std::size_t>(8 * y + 4) * photo.w + 8 * x + 4]);
            EXPECT_LE(MaxDiff(centres, want), 3) << o << (big ? " big-endian" : "");
        }
    // A damaged segment is no orientation at all.
    Bytes damaged = WithExifOrientation(jpeg, 6, false);
    damaged[2 + 4 + 6 + 4] = 0xFF;  // the directory offset points past the segment
    EXPECT_EQ(Pixels(damaged, IMAGE_JPG), Pixels(jpeg, IMAGE_JPG));
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
        {test::MakeJpeg(0), IMAGE_JPG},
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
