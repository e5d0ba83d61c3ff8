// Loading a bitmap object's picture: the extension table, the decoder a caller
// names, and the refusals that must leave the object as it was.

#include <gtest/gtest.h>

#include <filesystem>

#include "codecs/CustomBitmap.h"
#include "codecs/Image.h"
#include "codecs/PngDecoder.h"
#include "document/LogoObject.h"
#include "support/SampleImages.h"
#include "support/TempDir.h"

namespace vx {
namespace {

using test::ReadSample;
using test::SamplePath;

TEST(ImportTypes, LastThreeLettersInAnyCaseChooseTheDecoder) {
    const char* const by_type[] = {"a.bmp",    "/x/A.GIF", "photo.Jpg", "LOGO.PNG",
                                   "icon.ico", "scan.tif", "shot.tga"};  // IMAGE_BMP ... IMAGE_TGA
    for (int type = IMAGE_BMP; type <= IMAGE_TGA; ++type)
        EXPECT_EQ(ImageTypeForPath(by_type[type]), type) << by_type[type];
    for (const char* path : {"photo.jpeg", "scan.tiff", "notes.txt", "ng"})
        EXPECT_EQ(ImageTypeForPath(path), -1) << path;
}

// Template previews are GIF pictures named ".bpr": the caller names the
// decoder, the extension table is left as it is.
TEST(ImportTypes, ADecoderChosenByTheCallerIgnoresTheExtension) {
    const test::TempDir tmp;
    const std::string gif = tmp.Write("Ta.bpr", ReadSample("gif/plain.gif"));
    BitmapPixels px;
    EXPECT_FALSE(LoadBitmapFile(gif, px));
    const Result read = LoadBitmapFileAs(gif, IMAGE_GIF, px);
    ASSERT_TRUE(read) << read.message();
    EXPECT_EQ(px.w, test::SAMPLE_W);
    EXPECT_EQ(px.px, test::Reference());
    EXPECT_FALSE(LoadBitmapFileAs(tmp.Write("Tc.bpr", ReadSample("png/rgb.png")), IMAGE_GIF, px));
    EXPECT_EQ(px.px, test::Reference());  // a refusal leaves the picture alone
}

TEST(ImportPng, ARefusalLeavesTheObjectAndALoadReplacesIt) {
    const test::TempDir tmp;
    LogoObject o;
    o.file = SamplePath("png/rgb.png");
    ASSERT_EQ(o.LoadCustomBitmap(), 1);
    for (const std::string& path :
         {tmp.Path("gone.png"), tmp.Path("sub.png"), tmp.Write("text.png", {'h', 'i'}),
          tmp.Write("logo.jpeg", ReadSample("png/rgb.png"))}) {
        if (path.ends_with("sub.png")) std::filesystem::create_directories(path);
        o.file = path;
        EXPECT_EQ(o.LoadCustomBitmap(), 0) << path;
        EXPECT_EQ(o.cbm, test::Reference()) << path;
        EXPECT_EQ(o.w, test::SAMPLE_W) << path;
    }
    o.file = SamplePath("bmp/info-8-rle-delta.bmp");  // 2 x 2
    ASSERT_EQ(o.LoadCustomBitmap(), 1);
    EXPECT_EQ(o.w, 2);
    EXPECT_EQ(o.h, 2);
    EXPECT_EQ(o.cbm, (std::vector<std::uint32_t>{0xFF102030, 0xFFC01008, 0xFF2080FF, 0xFF2080FF}));
    LogoObject fresh;
    fresh.file = tmp.Path("moved-away.png");
    EXPECT_EQ(fresh.LoadCustomBitmap(), 0);
    EXPECT_TRUE(fresh.cbm.empty());
}

// Both PNG readers, the importer's and DecodePng, share the checks.
TEST(ImportPng, TruncatedFilesAreRefusedAtEveryLength) {
    const test::Bytes png = ReadSample("png/rgba-adam7.png");
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

}  // namespace
}  // namespace vx
