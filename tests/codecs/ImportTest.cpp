// LoadCustomBitmap: the extension table, the 32-bit layout, the alpha rules and
// the refusals that must leave the object as it was.

#include <gtest/gtest.h>
#include <png.h>
#include <zlib.h>

#include <filesystem>

#include "codecs/CustomBitmap.h"
#include "codecs/Image.h"
#include "codecs/ImageLimits.h"
#include "codecs/PngDecoder.h"
#include "codecs/PngWriter.h"
#include "document/LogoObject.h"
#include "support/SampleImages.h"
#include "support/TempDir.h"

namespace vx {
namespace {

namespace fs = std::filesystem;
using test::Bytes;

class ImportTest : public ::testing::Test {
protected:
    std::string Put(const std::string& name, const Bytes& bytes) { return tmp.Write(name, bytes); }
    // Loads `bytes` saved as `name` into a fresh bitmap object.
    LogoObject Load(const std::string& name, const Bytes& bytes, int expect = 1) {
        LogoObject o;
        o.type = BITMAP_OBJECT;
        o.file = Put(name, bytes);
        EXPECT_EQ(o.LoadCustomBitmap(), expect) << name;
        return o;
    }

    test::TempDir tmp;
    const fs::path dir = tmp.path();
};

TEST(ImportTypes, LastThreeLettersInAnyCaseChooseTheDecoder) {
    const std::pair<const char*, int> cases[] = {
        {"a.bmp", IMAGE_BMP},
        {"/x/A.GIF", IMAGE_GIF},
        {"photo.Jpg", IMAGE_JPG},
        {"LOGO.PNG", IMAGE_PNG},
        {"icon.ico", IMAGE_ICO},
        {"scan.tif", IMAGE_TIF},
        {"shot.tga", IMAGE_TGA},
        {"photo.jpeg", -1},
        {"scan.tiff", -1},
        {"notes.txt", -1},
        {"ng", -1},
    };
    for (const auto& [path, type] : cases) EXPECT_EQ(ImageTypeForPath(path), type) << path;
}

// Template previews are GIF pictures named ".bpr": the caller names the
// decoder, the extension table is left as it is.
TEST_F(ImportTest, ADecoderChosenByTheCallerIgnoresTheExtension) {
    const std::string gif = Put("Ta.bpr", test::MakeGif({}));
    BitmapPixels px;
    EXPECT_FALSE(LoadBitmapFile(gif, px));
    const Result read = LoadBitmapFileAs(gif, IMAGE_GIF, px);
    ASSERT_TRUE(read) << read.message();
    EXPECT_EQ(px.w, test::SAMPLE_W);
    EXPECT_EQ(px.h, test::SAMPLE_H);
    const std::string png = Put("Tc.bpr", test::MakePng(PNG_COLOR_TYPE_RGB, 8));
    EXPECT_FALSE(LoadBitmapFileAs(png, IMAGE_GIF, px));
    EXPECT_EQ(px.w, test::SAMPLE_W);  // a refusal leaves the picture alone
}

// Alpha is kept only for RGBA and for grey with alpha at 16 bits a channel
// (at 8 bits that is 16 bits a pixel: imported opaque); transparency chunks
// never make alpha, the transparent colour shows.
TEST_F(ImportTest, PngVariantsGiveThePictureWithTheAlphaRules) {
    using test::MakePng;
    const std::vector<std::uint32_t> opaque = test::Reference(), grey = test::ReferenceGrey();
    const std::vector<std::uint32_t> alpha = test::WithSampleAlpha(opaque);
    const struct {
        const char* name;
        Bytes file;
        std::vector<std::uint32_t> expected;
    } cases[] = {
        {"rgb.png", MakePng(PNG_COLOR_TYPE_RGB, 8), opaque},
        {"LOGO.PNG", MakePng(PNG_COLOR_TYPE_RGB, 16), opaque},
        {"rgba.png", MakePng(PNG_COLOR_TYPE_RGB_ALPHA, 8), alpha},
        {"rgba16.png", MakePng(PNG_COLOR_TYPE_RGB_ALPHA, 16), alpha},
        {"adam7.png", MakePng(PNG_COLOR_TYPE_RGB_ALPHA, 8, true), alpha},
        {"ga16.png", MakePng(PNG_COLOR_TYPE_GRAY_ALPHA, 16), test::WithSampleAlpha(grey)},
        {"ga8.png", MakePng(PNG_COLOR_TYPE_GRAY_ALPHA, 8), grey},
        {"grey16.png", MakePng(PNG_COLOR_TYPE_GRAY, 16), grey},
        {"grey.png", MakePng(PNG_COLOR_TYPE_GRAY, 8, false, true), grey},
        {"pal.png", MakePng(PNG_COLOR_TYPE_PALETTE, 2, false, true), opaque},
        {"pal8.png", MakePng(PNG_COLOR_TYPE_PALETTE, 8, true), opaque},
        {"rgbt.png", MakePng(PNG_COLOR_TYPE_RGB, 8, false, true), opaque},
    };
    for (const auto& c : cases) {
        const LogoObject o = Load(c.name, c.file);
        EXPECT_EQ(o.w, test::SAMPLE_W) << c.name;
        EXPECT_EQ(o.h, test::SAMPLE_H) << c.name;
        EXPECT_EQ(o.cbm, c.expected) << c.name;
    }
}

TEST_F(ImportTest, LoadingAgainReplacesPixelsAndSize) {
    LogoObject o = Load("first.png", test::MakePng(PNG_COLOR_TYPE_RGB, 8));
    const std::vector<std::uint32_t> one(3 * 2, 0x00123456u);
    std::vector<std::uint8_t> bytes;
    ASSERT_TRUE(EncodePng(one.data(), 3, 2, PngChannels::RGB, bytes));
    o.file = Put("second.png", bytes);
    ASSERT_EQ(o.LoadCustomBitmap(), 1);
    EXPECT_EQ(o.w, 3);
    EXPECT_EQ(o.h, 2);
    EXPECT_EQ(o.cbm, std::vector<std::uint32_t>(6, 0xFF123456u));
}

TEST_F(ImportTest, RefusedFilesLeaveTheObjectUnchanged) {
    LogoObject o = Load("good.png", test::MakePng(PNG_COLOR_TYPE_RGB, 8));
    const std::vector<std::uint32_t> before = o.cbm;
    for (const std::string& path :
         {(dir / "gone.png").string(), dir.string() + "/sub.png", Put("text.png", {'h', 'i'}),
          Put("logo.jpeg", test::MakePng(PNG_COLOR_TYPE_RGB, 8))}) {
        if (path.ends_with("sub.png")) fs::create_directories(path);
        o.file = path;
        EXPECT_EQ(o.LoadCustomBitmap(), 0) << path;
        EXPECT_EQ(o.cbm, before);
        EXPECT_EQ(o.w, test::SAMPLE_W);
    }
    LogoObject fresh;
    fresh.file = (dir / "moved-away.png").string();
    EXPECT_EQ(fresh.LoadCustomBitmap(), 0);
    EXPECT_TRUE(fresh.cbm.empty());
}

// Both PNG readers, the importer's and DecodePng, share the checks.
TEST(ImportPng, TruncatedFilesAreRefusedAtEveryLength) {
    const Bytes png = test::MakePng(PNG_COLOR_TYPE_RGB_ALPHA, 8, true);
    Image img;
    PngImage decoded;
    for (std::size_t len = 0; len < png.size(); ++len) {
        EXPECT_FALSE(img.Decode(std::span(png.data(), len), IMAGE_PNG)) << len;
        EXPECT_EQ(img.error, "Error reading PNG file");
        EXPECT_FALSE(DecodePng(std::span(png.data(), len), decoded)) << len;
    }
    EXPECT_TRUE(img.Decode(png, IMAGE_PNG));
    EXPECT_TRUE(DecodePng(png, decoded));
}

TEST(ImportPng, OversizedHeaderIsRefusedBeforeAllocating) {
    Bytes png = test::MakePng(PNG_COLOR_TYPE_RGB, 8);
    // IHDR data starts at byte 16: width and height, big-endian; CRC after 13 bytes.
    const auto put32 = [&](std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) png[at + i] = static_cast<std::uint8_t>(v >> (24 - 8 * i));
    };
    for (const auto& [w, h] :
         {std::pair{16384u, 16384u}, std::pair{16385u, 1u}, std::pair{9000u, 8000u}}) {
        put32(16, w);
        put32(20, h);
        put32(29, static_cast<std::uint32_t>(crc32(0, png.data() + 12, 17)));
        Image img;
        EXPECT_FALSE(img.Decode(png, IMAGE_PNG)) << w << "x" << h;
        EXPECT_EQ(img.error, IMAGE_TOO_LARGE_TEXT);
        EXPECT_TRUE(img.px.empty());
    }
    put32(16, 16384);
    put32(20, 4096);  // exactly 64 megapixels: accepted, then refused for missing data
    put32(29, static_cast<std::uint32_t>(crc32(0, png.data() + 12, 17)));
    Image img;
    EXPECT_FALSE(img.Decode(png, IMAGE_PNG));
    EXPECT_EQ(img.error, "Error reading PNG file");
}

}  // namespace
}  // namespace vx
