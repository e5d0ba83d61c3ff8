// Save: every format written whole at the right name and read back, the
// transparent formats with their alpha, the format chosen by extension, and
// files that are complete or untouched.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "ExportChecks.h"
#include "TestFonts.h"
#include "TestLogos.h"
#include "io/CustomBitmap.h"
#include "io/Image.h"
#include "io/PngFile.h"
#include "render/Random.h"
#include "support/Recorders.h"

namespace vx {
namespace {

namespace fs = std::filesystem;

std::vector<std::uint8_t> ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// Mean absolute channel difference of decoded pixels against drawn ones.
double MeanError(const std::vector<std::uint32_t>& decoded,
                 const std::vector<std::uint32_t>& drawn) {
    if (decoded.size() != drawn.size()) return 1e9;
    double sum = 0;
    for (std::size_t i = 0; i < drawn.size(); ++i)
        for (int s = 0; s <= 16; s += 8)
            sum += std::abs(static_cast<int>(decoded[i] >> s & 0xFF) -
                            static_cast<int>(drawn[i] >> s & 0xFF));
    return sum / (3.0 * static_cast<double>(drawn.size()));
}

class ExportSave : public test::RecordingTest {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("vexo_export_" + std::to_string(::getpid()));
        fs::create_directories(dir_);
        test::TypicalLogo(lf);
        logo = OpenExport(lf);
    }
    void TearDown() override {
        test::RecordingTest::TearDown();
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }
    std::string Path(const std::string& name) const { return (dir_ / name).string(); }

    // Saves with the dither seeded as Draw seeds it.
    bool Save(const ExportOptions& options, const std::string& path) {
        EngineRandom().Seed(7);
        return SaveLogoImage(lf, logo, options, path);
    }

    LeFile lf;
    ExportLogo logo;

private:
    fs::path dir_;
};

struct FormatCase {
    ImageFormat format;
    const char* name;
    double tolerance;  // mean channel error allowed after reading back
};

TEST_F(ExportSave, EveryFormatIsWrittenAndReadsBackAsDrawn) {
    const FormatCase cases[] = {
        {ImageFormat::PNG24, "logo.png", 0.0}, {ImageFormat::PNG8, "logo8.png", 3.0},
        {ImageFormat::GIF8, "logo.gif", 3.0},  {ImageFormat::BMP24, "logo.bmp", 0.0},
        {ImageFormat::JPEG, "logo.jpg", 3.0},  {ImageFormat::TIFF, "logo.tif", 3.0},
    };
    ExportOptions options;
    options.scale = 150;
    options.margin = 3;
    const ExportImage drawn = test::Draw(lf, logo, options);
    std::vector<std::uint32_t> opaque = drawn.px;
    for (std::uint32_t& p : opaque) p |= 0xFF000000u;
    for (const FormatCase& c : cases) {
        options.format = c.format;
        const std::string path = Path(c.name);
        ASSERT_TRUE(Save(options, path)) << c.name;
        Image img;
        ASSERT_TRUE(img.Decode(ReadBytes(path), ImageTypeForPath(path))) << c.name << img.error;
        EXPECT_EQ(img.w, drawn.w) << c.name;
        EXPECT_EQ(img.h, drawn.h) << c.name;
        std::vector<std::uint32_t> px;
        ASSERT_TRUE(img.ToPixels(px));
        if (c.tolerance == 0.0)
            EXPECT_EQ(px, opaque) << c.name;
        else
            EXPECT_LT(MeanError(px, drawn.px), c.tolerance) << c.name;
    }
}

TEST_F(ExportSave, TransparentPngKeepsTheDrawnAlpha) {
    ExportOptions options;
    options.scale = 200;
    options.transparent = true;
    const ExportImage drawn = test::Draw(lf, logo, options);
    ASSERT_TRUE(Save(options, Path("clear.png")));
    PngImage png;
    ASSERT_TRUE(DecodePng(ReadBytes(Path("clear.png")), png));
    ASSERT_TRUE(png.has_alpha);
    for (std::size_t i = 0; i < drawn.px.size(); ++i)
        ASSERT_EQ(png.pixels[i], std::uint32_t{drawn.alpha[i]} << 24 | drawn.px[i]) << i;

    // PNG 8: opaque and clear pixels stay exactly so.
    options.format = ImageFormat::PNG8;
    ASSERT_TRUE(Save(options, Path("clear8.png")));
    ASSERT_TRUE(DecodePng(ReadBytes(Path("clear8.png")), png));
    for (std::size_t i = 0; i < drawn.px.size(); ++i)
        if (drawn.alpha[i] == 0 || drawn.alpha[i] == 255) {
            ASSERT_EQ(png.pixels[i] >> 24, drawn.alpha[i]) << i;
        }

    for (const ImageFormat format : {ImageFormat::GIF8, ImageFormat::TIFF}) {
        options.format = format;
        const std::string path = Path(std::string("clear.") + ExportExtension(format));
        ASSERT_TRUE(Save(options, path)) << path;
        Image img;
        ASSERT_TRUE(img.Decode(ReadBytes(path), ImageTypeForPath(path))) << path;
        EXPECT_EQ(img.w, drawn.w);
    }
}

TEST_F(ExportSave, QualitySetsTheJpegCompression) {
    ExportOptions options;
    options.format = ImageFormat::JPEG;
    options.quality = 10;
    ASSERT_TRUE(Save(options, Path("low.jpg")));
    options.quality = 95;
    ASSERT_TRUE(Save(options, Path("high.jpg")));
    EXPECT_LT(fs::file_size(Path("low.jpg")), fs::file_size(Path("high.jpg")));
}

TEST_F(ExportSave, AFailedSaveLeavesTheOldFileAndNoTemporaries) {
    const std::string path = Path("keep.png");
    std::ofstream(path) << "old";
    ExportOptions options;
    options.scale = 10000;  // far beyond the limits
    EXPECT_FALSE(Save(options, path));
    EXPECT_EQ(ReadBytes(path), (std::vector<std::uint8_t>{'o', 'l', 'd'}));

    const std::string nowhere = Path("missing/logo.png");
    EXPECT_FALSE(Save(ExportOptions{}, nowhere));
    ASSERT_EQ(rec.messages.size(), 2u);
    EXPECT_EQ(rec.messages[1].rfind("File could not be saved: " + nowhere, 0), 0u)
        << rec.messages[1];

    // A good save replaces the old file whole.
    ASSERT_TRUE(Save(ExportOptions{}, path));
    EXPECT_EQ(ReadBytes(path)[1], 'P');
    int files = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(Path(""))) ++files;
    EXPECT_EQ(files, 1);
}

TEST(ExportFormats, TheExtensionNamesTheFormatInAnyCase) {
    EXPECT_EQ(ExportFormatForPath("a/logo.PNG"), ImageFormat::PNG24);
    EXPECT_EQ(ExportFormatForPath("logo.gif"), ImageFormat::GIF8);
    EXPECT_EQ(ExportFormatForPath("logo.Bmp"), ImageFormat::BMP24);
    EXPECT_EQ(ExportFormatForPath("logo.jpg"), ImageFormat::JPEG);
    EXPECT_EQ(ExportFormatForPath("logo.jpeg"), ImageFormat::JPEG);
    EXPECT_EQ(ExportFormatForPath("logo.tif"), ImageFormat::TIFF);
    EXPECT_EQ(ExportFormatForPath("logo.TIFF"), ImageFormat::TIFF);
    EXPECT_EQ(ExportFormatForPath("logo.webp"), std::nullopt);
    EXPECT_EQ(ExportFormatForPath("png"), std::nullopt);
    EXPECT_EQ(ExportFormatForPath("logo.png/out"), std::nullopt);
    EXPECT_STREQ(ExportExtension(ImageFormat::PNG8), "png");
    EXPECT_STREQ(ExportExtension(ImageFormat::JPEG), "jpg");
}

}  // namespace
}  // namespace vx
