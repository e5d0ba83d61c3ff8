// LoadCustomBitmap: the extension table, the 32-bit layout, the alpha rules and
// the refusals that must leave the object as it was.

#include <gtest/gtest.h>
#include <png.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zlib.h>

#include <cstring>
#include <filesystem>

#include "document/LogoObject.h"
#include "io/CustomBitmap.h"
#include "io/Image.h"
#include "io/ImageLimits.h"
#include "io/PngFile.h"
#include "io/SampleImages.h"
#include "shell/AtomicFile.h"

namespace vx {
namespace {

namespace fs = std::filesystem;
using test::Bytes;

class ImportTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("vx_import_" + std::to_string(getpid()));
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    std::string Put(const std::string& name, const Bytes& bytes) {
        const std::string path = (dir / name).string();
        EXPECT_TRUE(WriteFileAtomically(path, bytes));
        return path;
    }
    // Loads `bytes` saved as `name` into a fresh bitmap object.
    LogoObject Load(const std::string& name, const Bytes& bytes, int expect = 1) {
        LogoObject o;
        o.type = BITMAP_OBJECT;
        o.file = Put(name, bytes);
        EXPECT_EQ(o.LoadCustomBitmap(), expect) << name;
        return o;
    }

    fs::path dir;
};

// The reference picture with the given alpha per pixel (nullptr: opaque).
std::vector<std::uint32_t> Expected(std::uint8_t (*alpha)(int, int) = nullptr) {
    std::vector<std::uint32_t> px = test::Reference();
    if (alpha)
        for (int y = 0; y < test::SAMPLE_H; ++y)
            for (int x = 0; x < test::SAMPLE_W; ++x)
                px[y * test::SAMPLE_W + x] =
                    (px[y * test::SAMPLE_W + x] & 0xFFFFFF) | std::uint32_t{alpha(x, y)} << 24;
    return px;
}

// The reference picture in grey (the green byte), opaque or with alpha.
std::vector<std::uint32_t> ExpectedGrey(bool with_alpha) {
    std::vector<std::uint32_t> px = test::Reference();
    for (int y = 0; y < test::SAMPLE_H; ++y)
        for (int x = 0; x < test::SAMPLE_W; ++x) {
            std::uint32_t& p = px[y * test::SAMPLE_W + x];
            const std::uint32_t g = p >> 8 & 0xFF;
            const std::uint32_t a = with_alpha ? test::SampleAlpha(x, y) : 0xFF;
            p = a << 24 | g << 16 | g << 8 | g;
        }
    return px;
}

TEST(ImportTypes, LastThreeLettersInAnyCaseChooseTheDecoder) {
    EXPECT_EQ(ImageTypeForPath("a.bmp"), IMAGE_BMP);
    EXPECT_EQ(ImageTypeForPath("/x/A.GIF"), IMAGE_GIF);
    EXPECT_EQ(ImageTypeForPath("photo.Jpg"), IMAGE_JPG);
    EXPECT_EQ(ImageTypeForPath("LOGO.PNG"), IMAGE_PNG);
    EXPECT_EQ(ImageTypeForPath("icon.ico"), IMAGE_ICO);
    EXPECT_EQ(ImageTypeForPath("scan.tif"), IMAGE_TIF);
    EXPECT_EQ(ImageTypeForPath("shot.tga"), IMAGE_TGA);
    EXPECT_EQ(ImageTypeForPath("photo.jpeg"), -1);
    EXPECT_EQ(ImageTypeForPath("scan.tiff"), -1);
    EXPECT_EQ(ImageTypeForPath("notes.txt"), -1);
    EXPECT_EQ(ImageTypeForPath("ng"), -1);
}

TEST_F(ImportTest, UpperCaseNameLoadsLikeLowerCaseAndJpegSpellingIsRefused) {
    const Bytes png = test::MakePng(PNG_COLOR_TYPE_RGB, 8);
    const LogoObject lower = Load("logo.png", png);
    const LogoObject upper = Load("LOGO.PNG", png);
    EXPECT_EQ(lower.cbm, upper.cbm);
    const LogoObject jpeg = Load("logo.jpeg", png, 0);
    EXPECT_TRUE(jpeg.cbm.empty());
}

TEST_F(ImportTest, OpaquePngGivesAlpha255AndTopLeftPixelFirst) {
    const LogoObject o = Load("rgb.png", test::MakePng(PNG_COLOR_TYPE_RGB, 8));
    EXPECT_EQ(o.w, test::SAMPLE_W);
    EXPECT_EQ(o.h, test::SAMPLE_H);
    EXPECT_EQ(o.cbm, Expected());
    const std::uint32_t top_left = test::SampleColour(test::SampleIndex(0, 0));
    std::uint8_t first[4];
    std::memcpy(first, o.cbm.data(), 4);
    EXPECT_EQ(first[0], top_left & 0xFF);
    EXPECT_EQ(first[1], top_left >> 8 & 0xFF);
    EXPECT_EQ(first[2], top_left >> 16);
    EXPECT_EQ(first[3], 0xFF);
}

TEST_F(ImportTest, PngAlphaIsKeptOnlyForRgbaAndSixteenBitGreyAlpha) {
    EXPECT_EQ(Load("rgba.png", test::MakePng(PNG_COLOR_TYPE_RGB_ALPHA, 8)).cbm,
              Expected(test::SampleAlpha));
    EXPECT_EQ(Load("rgba16.png", test::MakePng(PNG_COLOR_TYPE_RGB_ALPHA, 16)).cbm,
              Expected(test::SampleAlpha));
    EXPECT_EQ(Load("ga16.png", test::MakePng(PNG_COLOR_TYPE_GRAY_ALPHA, 16)).cbm,
              ExpectedGrey(true));
    // Grey with alpha at 8 bits a channel is 16 bits a pixel: imported opaque.
    EXPECT_EQ(Load("ga8.png", test::MakePng(PNG_COLOR_TYPE_GRAY_ALPHA, 8)).cbm,
              ExpectedGrey(false));
    // Transparency chunks never make alpha: the transparent colour shows.
    EXPECT_EQ(Load("pal.png", test::MakePng(PNG_COLOR_TYPE_PALETTE, 2, false, true)).cbm,
              Expected());
    EXPECT_EQ(Load("rgbt.png", test::MakePng(PNG_COLOR_TYPE_RGB, 8, false, true)).cbm, Expected());
    EXPECT_EQ(Load("grey.png", test::MakePng(PNG_COLOR_TYPE_GRAY, 8, false, true)).cbm,
              ExpectedGrey(false));
}

TEST_F(ImportTest, SixteenBitAndInterlacedPngDecodeExactly) {
    EXPECT_EQ(Load("rgb16.png", test::MakePng(PNG_COLOR_TYPE_RGB, 16)).cbm, Expected());
    EXPECT_EQ(Load("grey16.png", test::MakePng(PNG_COLOR_TYPE_GRAY, 16)).cbm, ExpectedGrey(false));
    EXPECT_EQ(Load("adam7.png", test::MakePng(PNG_COLOR_TYPE_RGB_ALPHA, 8, true)).cbm,
              Expected(test::SampleAlpha));
    EXPECT_EQ(Load("pal8.png", test::MakePng(PNG_COLOR_TYPE_PALETTE, 8, true)).cbm, Expected());
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
         {(dir / "gone.png").string(), dir.string() + "/sub.png", Put("text.png", {'h', 'i'})}) {
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

TEST_F(ImportTest, FifoIsRefusedWithoutBlocking) {
    const fs::path fifo = dir / "pipe.png";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    BitmapPixels px;
    std::string why;
    EXPECT_FALSE(LoadBitmapFile(fifo.string(), px, &why));
    EXPECT_EQ(why, "not a regular file");
}

TEST(ImportPng, TruncatedFilesAreRefusedAtEveryLength) {
    const Bytes png = test::MakePng(PNG_COLOR_TYPE_RGB_ALPHA, 8, true);
    Image img;
    for (std::size_t len = 0; len < png.size(); ++len) {
        EXPECT_FALSE(img.Decode(std::span(png.data(), len), IMAGE_PNG)) << len;
        EXPECT_EQ(img.error, "Error reading PNG file");
    }
    EXPECT_TRUE(img.Decode(png, IMAGE_PNG));
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
