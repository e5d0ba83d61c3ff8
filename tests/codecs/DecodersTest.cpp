// Every decoder on files of each variant it accepts, the texts it records when
// it refuses one, and the rule that a damaged file is refused, never misread.

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <sstream>

#include "codecs/CustomBitmap.h"
#include "codecs/Image.h"
#include "codecs/ImageLimits.h"
#include "support/SampleImages.h"

namespace vx {
namespace {

using test::Bytes;
using test::Decoded;
using test::ReadSample;
using Pixels = std::vector<std::uint32_t>;

Pixels DecodedSample(const std::string& name, std::string* error = nullptr) {
    return Decoded(ReadSample(name), ImageTypeForPath(name), error);
}

// Largest difference of any channel (alpha included); 256 when the sizes differ.
int MaxDiff(const Pixels& a, const Pixels& b) {
    if (a.size() != b.size()) return 256;
    int most = 0;
    for (std::size_t i = 0; i < a.size(); ++i)
        for (int s = 0; s < 32; s += 8)
            most = std::max(most, std::abs(int(a[i] >> s & 0xFF) - int(b[i] >> s & 0xFF)));
    return most;
}

// The sample with the one alpha bit of 16-bit Targa pixels: clear where x + y is even.
Pixels Checkered(Pixels px) {
    for (std::size_t i = 0; i < px.size(); ++i)
        if ((i % test::SAMPLE_W + i / test::SAMPLE_W) % 2 == 0) px[i] &= 0xFFFFFF;
    return px;
}

// `n` pixels of GifColour(index), index i * 7 % 256 for pixel i or, where
// `spread` is given, the next mt19937 (seeded 7) number modulo `spread`.
Pixels GifColours(int n, int spread = 0) {
    std::mt19937 rng(7);
    Pixels px;
    for (int i = 0; i < n; ++i)
        px.push_back(0xFF000000u |
                     test::GifColour(spread ? static_cast<int>(rng() % spread) : i * 7 % 256));
    return px;
}

// Every variant of every format against the picture it shows: exact, except
// JPEG's.
TEST(Decoders, EveryVariantGivesItsPicture) {
    const Pixels colour = test::Reference(), grey = test::ReferenceGrey();
    // The sample's colours at five bits a channel (six for green in bit fields),
    // scaled back by rounding in bitmaps, by repeating the top bits in Targa.
    const std::uint32_t bmp555[] = {0x102131, 0xF7E6D6, 0x2184FF, 0xC51008};
    const std::uint32_t bmp565[] = {0x102031, 0xF7E3D6, 0x2182FF, 0xC51008};
    const std::uint32_t tga555[] = {0x102131, 0xF7E7D6, 0x2184FF, 0xC61008};
    // Signed TIFF samples -32768, -1, 0, 255, 32767 (at 8 bits their top bytes)
    // show as (v + 32768) / 256, white-is-zero ones the inverse.
    const Pixels signed_grey = {0xFF000000, 0xFF7F7F7F, 0xFF808080, 0xFF808080, 0xFFFFFFFF};
    const Pixels signed_white = {0xFFFFFFFF, 0xFF808080, 0xFF7F7F7F, 0xFF7F7F7F, 0xFF000000};
    // 2 x 2: a run clipped at the edge, end of line, a delta, one pixel.
    const Pixels rle_delta = {0xFF102030, 0xFFC01008, 0xFF2080FF, 0xFF2080FF};
    const struct {
        const char* what;
        Pixels expected;
        int tolerance;
        const char* files;  // separated by spaces
    } groups[] = {
        {"2 colours", test::Reference(2), 0, "bmp/os2-1.bmp bmp/info-1.bmp"},
        // Icons, Targa 32-bit pictures with a zero alpha plane and TIFF with
        // unassociated alpha import opaque, the stored colour kept. PNG keeps
        // alpha only from RGBA and from grey with alpha at 16 bits a channel
        // (at 8 that is 16 bits a pixel: opaque); transparency chunks never
        // make alpha, the transparent colour shows.
        {"colour", colour, 0,
         "bmp/os2-4.bmp bmp/os2-8.bmp bmp/os2-24.bmp bmp/os2v2-8.bmp bmp/os2v2-4-rle.bmp "
         "bmp/info-4.bmp bmp/info-8.bmp bmp/info-24.bmp bmp/info-24-topdown.bmp "
         "bmp/info-8-rle.bmp bmp/info-4-rle.bmp bmp/info-32.bmp bmp/info-32-fields.bmp "
         "bmp/info-32-topdown.bmp bmp/v4-32-fields.bmp bmp/v5-8-topdown.bmp ico/bmp8.ico "
         "ico/bmp32-alpha.ico ico/png.ico tga/t1.tga tga/t1-top.tga tga/t1-rtl.tga "
         "tga/t1-top-rtl.tga tga/t2.tga tga/t2-top.tga tga/t2-rtl.tga tga/t2-top-rtl.tga "
         "tga/t9.tga tga/t9-top.tga tga/t9-rtl.tga tga/t9-top-rtl.tga tga/t10.tga "
         "tga/t10-top.tga tga/t10-rtl.tga tga/t10-top-rtl.tga tga/t2-32-zero-alpha.tga "
         "gif/two-images.gif gif/two-images-local.gif gif/two-images-interlaced.gif "
         "gif/two-images-interlaced-local.gif tif/rgb.tif tif/palette.tif "
         "tif/two-pages.tif tif/tiled.tif tif/rgba.tif png/rgb.png png/rgb16.png "
         "png/palette2-trns.png png/palette8-adam7.png png/rgb-trns.png"},
        {"5-5-5", test::Reference(4, bmp555), 0, "bmp/info-16.bmp"},
        {"5-6-5", test::Reference(4, bmp565), 0, "bmp/info-16-fields.bmp bmp/v5-16-fields.bmp"},
        {"grey", grey, 0,
         "tga/t3.tga tga/t3-top.tga tga/t3-rtl.tga tga/t3-top-rtl.tga tga/t11.tga "
         "tga/t11-top.tga tga/t11-rtl.tga tga/t11-top-rtl.tga tga/t3-unused-map-24.tga "
         "tga/t3-unused-map-0.tga tif/grey.tif png/grey-alpha.png png/grey16.png "
         "png/grey-trns.png"},
        {"alpha", test::WithSampleAlpha(colour), 0,
         "tga/t2-32.tga tga/t10-32-top.tga png/rgba.png png/rgba16.png png/rgba-adam7.png"},
        {"grey, alpha", test::WithSampleAlpha(grey), 0,
         "tga/t3-16.tga tga/t3-16-top.tga tga/t11-16.tga tga/t11-16-top.tga png/grey-alpha16.png"},
        {"1-bit alpha", Checkered(test::Reference(4, tga555)), 0, "tga/t2-16.tga tga/t10-16.tga"},
        {"JPEG", test::ScaleUp8(colour), 3, "jpg/baseline.jpg jpg/progressive.jpg jpg/cmyk.jpg"},
        {"grey JPEG", test::ScaleUp8(grey), 3, "jpg/grey.jpg"},
        {"signed", signed_grey, 0, "tif/signed-16-black.tif tif/signed-8-black.tif"},
        {"signed, white is zero", signed_white, 0,
         "tif/signed-16-white.tif tif/signed-8-white.tif"},
        // GIF: full code tables, long strings, interlacing; minimum code sizes
        // beyond the 8 that writers use.
        {"random", GifColours(301 * 203, 256), 0, "gif/random-301x203-256.gif"},
        {"random", GifColours(640 * 480, 3), 0, "gif/random-640x480-3.gif"},
        {"random", GifColours(97 * 61, 2), 0, "gif/random-97x61-2-interlaced.gif"},
        {"literal codes", GifColours(90 * 70), 0,
         "gif/literal-codes-8.gif gif/literal-codes-9.gif gif/literal-codes-10.gif "
         "gif/literal-codes-11.gif"},
        {"RLE delta", rle_delta, 0, "bmp/info-8-rle-delta.bmp"},
    };
    for (const auto& group : groups) {
        std::istringstream files(group.files);
        for (std::string file; files >> file;) {
            std::string error;
            EXPECT_LE(MaxDiff(DecodedSample(file, &error), group.expected), group.tolerance)
                << file << " (" << group.what << "): " << error;
        }
    }
}

// Six distinct colours a..f, stored as the rows "abc" and "def".
Pixels Letters(const std::string& rows) {
    const std::uint32_t letters[] = {0xFF102030, 0xFF405060, 0xFF708090,
                                     0xFFA0B0C0, 0xFFD0E0F0, 0xFFF01080};
    Pixels px;
    for (const char c : rows)
        if (c != '/') px.push_back(letters[c - 'a']);
    return px;
}

// The letters as TIFF pictures with each orientation tag, and as photos (8 x 8
// pixels a letter) with each EXIF orientation in either byte order.
TEST(Decoders, EveryOrientationIsShownAsMeant) {
    const struct {
        int orientation;
        int w;
        const char* shown;
    } cases[] = {
        {1, 3, "abc/def"},  {2, 3, "cba/fed"},  {3, 3, "fed/cba"},  {4, 3, "def/abc"},
        {5, 2, "ad/be/cf"}, {6, 2, "da/eb/fc"}, {7, 2, "fc/eb/da"}, {8, 2, "cf/be/ad"},
    };
    for (const auto& c : cases) {
        const std::string o = std::to_string(c.orientation);
        EXPECT_EQ(DecodedSample("tif/orientation-" + o + ".tif"), Letters(c.shown)) << o;
        for (const char* order : {"-le", "-be"}) {
            const Pixels photo = DecodedSample("jpg/exif-" + o + order + ".jpg");
            EXPECT_LE(MaxDiff(photo, test::ScaleUp8(Letters(c.shown), c.w)), 3) << o << order;
        }
    }
    // A damaged segment is no orientation at all.
    EXPECT_LE(MaxDiff(DecodedSample("jpg/exif-damaged.jpg"), test::ScaleUp8(Letters("abc/def"), 3)),
              3);
}

TEST(Decoders, JpegLackingOnlyItsEndMarkerIsRead) {
    for (const char* name : {"jpg/baseline.jpg", "jpg/progressive.jpg", "jpg/grey.jpg"}) {
        const Bytes whole = ReadSample(name);
        ASSERT_EQ(whole[whole.size() - 2], 0xFF);
        ASSERT_EQ(whole.back(), 0xD9);
        const Pixels expected = Decoded(whole, IMAGE_JPG);
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
            const Pixels px =
                Decoded(Bytes(whole.begin(), whole.begin() + c.length), IMAGE_JPG, &error);
            if (c.read)
                EXPECT_EQ(px, expected) << name << " " << c.what << ": " << error;
            else
                EXPECT_EQ(error, "Error reading JPEG file") << name << " " << c.what;
        }
    }
}

// A copy of `b` with the bytes at the given offsets replaced.
Bytes Patched(Bytes b, std::initializer_list<std::pair<std::size_t, std::uint8_t>> bytes) {
    for (const auto& [at, value] : bytes) b[at] = value;
    return b;
}

TEST(Decoders, RecordWhyTheyRefuse) {
    const Bytes png = ReadSample("png/rgb.png"), bmp = ReadSample("bmp/info-24.bmp");
    const Bytes ico = ReadSample("ico/bmp8.ico"), tga = ReadSample("tga/t2.tga");
    const Bytes gif = ReadSample("gif/plain.gif"), rle_tga = ReadSample("tga/t10.tga");
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
        {"minimum code size 12", ReadSample("gif/literal-codes-12.gif"), IMAGE_GIF,
         "corrupted GIF"},
        {"PNG 16384 x 16384", ReadSample("png/header-16384x16384.png"), IMAGE_PNG,
         IMAGE_TOO_LARGE_TEXT},
        {"PNG 16385 x 1", ReadSample("png/header-16385x1.png"), IMAGE_PNG, IMAGE_TOO_LARGE_TEXT},
        {"PNG 9000 x 8000", ReadSample("png/header-9000x8000.png"), IMAGE_PNG,
         IMAGE_TOO_LARGE_TEXT},
        // exactly 64 megapixels: accepted, then refused for missing data
        {"PNG 16384 x 4096", ReadSample("png/header-16384x4096.png"), IMAGE_PNG,
         "Error reading PNG file"},
        {"LZW TIFF", ReadSample("tif/lzw.tif"), IMAGE_TIF,
         "LZW compression is no longer supported due to Unisys patent enforcement"},
        {"PNG as TIFF", png, IMAGE_TIF, "Error encountered while opening TIFF file"},
        {"type number 7", bmp, 7, "Unsupported operation for this format"},
    };
    for (const auto& c : cases) {
        Image img;
        EXPECT_FALSE(img.Decode(c.file, c.type)) << c.what;
        EXPECT_EQ(img.error, c.error) << c.what;
        if (c.error == std::string(IMAGE_TOO_LARGE_TEXT)) {  // refused before allocating
            EXPECT_TRUE(img.px.empty()) << c.what;
        }
    }
}

// Samples of every format, cut at every length and with single bytes damaged:
// each is refused or decodes to the same picture as the whole file (trailing
// bytes a decoder never needs), and nothing reads out of bounds.
TEST(Decoders, DamagedFilesAreRefusedNeverMisread) {
    for (const char* name :
         {"bmp/info-8-rle.bmp", "bmp/info-4-rle.bmp", "bmp/os2-24.bmp", "bmp/v5-16-fields.bmp",
          "ico/bmp8.ico", "ico/png.ico", "tga/t9.tga", "tga/t10-32-top.tga",
          "gif/two-images-interlaced.gif", "jpg/baseline.jpg", "jpg/progressive.jpg", "tif/rgb.tif",
          "png/palette2-trns.png"}) {
        const Bytes file = ReadSample(name);
        const int type = ImageTypeForPath(name);
        const Pixels whole = Decoded(file, type);
        ASSERT_FALSE(whole.empty()) << name;
        for (std::size_t len = 0; len < file.size(); ++len) {
            const Pixels cut = Decoded(Bytes(file.begin(), file.begin() + len), type);
            EXPECT_TRUE(cut.empty() || cut == whole) << name << " cut at " << len;
        }
        for (std::size_t at = 0; at < file.size(); ++at) {
            Bytes damaged = file;
            damaged[at] ^= 0xFF;
            Decoded(damaged, type);  // must not crash; the sanitizer build checks bounds
        }
    }
}

}  // namespace
}  // namespace vx
