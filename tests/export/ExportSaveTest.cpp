// Save: the options reach the writers (the writers themselves are tested in
// the io tests, every format through vexologo-cli export), the format chosen by
// extension, and files that are complete or untouched.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "codecs/PngDecoder.h"
#include "codecs/PngWriter.h"
#include "export/LogoExport.h"
#include "render/Random.h"
#include "support/Recorders.h"
#include "support/TempDir.h"
#include "support/TestFonts.h"
#include "support/TestLogos.h"

namespace vx {
namespace {

namespace fs = std::filesystem;

std::vector<std::uint8_t> ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

class ExportSave : public test::RecordingTest {
protected:
    void SetUp() override {
        test::TypicalLogo(lf);
        logo = OpenExport(lf);
    }
    std::string Path(const std::string& name) const { return tmp.Path(name); }

    // Save and draw with the dither seeded alike.
    Result Save(const ExportOptions& options, const std::string& path) {
        EngineRandom().Seed(7);
        return SaveLogoImage(lf, logo, options, path);
    }
    ExportImage Draw(const ExportOptions& options) {
        EngineRandom().Seed(7);
        ExportImage image;
        EXPECT_TRUE(DrawLogoImage(lf, logo, options, image));
        return image;
    }

    test::TempDir tmp;
    LeFile lf;
    ExportLogo logo;
};

TEST_F(ExportSave, TransparentFormatsKeepTheDrawnAlpha) {
    ExportOptions options;
    options.scale = 200;
    options.transparent = true;
    const ExportImage drawn = Draw(options);
    ASSERT_TRUE(Save(options, Path("clear.png")));
    PngImage png;
    ASSERT_TRUE(DecodePng(ReadBytes(Path("clear.png")), png));
    ASSERT_TRUE(png.has_alpha);
    for (std::size_t i = 0; i < drawn.px.size(); ++i)
        ASSERT_EQ(png.pixels[i], std::uint32_t{drawn.alpha[i]} << 24 | drawn.px[i]) << i;
    for (const ImageFormat format : {ImageFormat::PNG8, ImageFormat::GIF8, ImageFormat::TIFF}) {
        options.format = format;
        EXPECT_TRUE(Save(options, Path(std::string("clear.") + ExportExtension(format))));
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
    const Result refused = Save(ExportOptions{}, nowhere);
    EXPECT_EQ(refused.message().rfind("File could not be saved: " + nowhere, 0), 0u)
        << refused.message();

    // A good save replaces the old file whole.
    ASSERT_TRUE(Save(ExportOptions{}, path));
    EXPECT_EQ(ReadBytes(path)[1], 'P');
    int files = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(Path(""))) ++files;
    EXPECT_EQ(files, 1);
}

TEST(ExportFormats, TheExtensionNamesTheFormatInAnyCase) {
    const std::pair<const char*, std::optional<ImageFormat>> cases[] = {
        {"a/logo.PNG", ImageFormat::PNG24},
        {"logo.gif", ImageFormat::GIF8},
        {"logo.Bmp", ImageFormat::BMP24},
        {"logo.jpg", ImageFormat::JPEG},
        {"logo.jpeg", ImageFormat::JPEG},
        {"logo.tif", ImageFormat::TIFF},
        {"logo.TIFF", ImageFormat::TIFF},
        {"logo.webp", std::nullopt},
        {"png", std::nullopt},
        {"logo.png/out", std::nullopt},
    };
    for (const auto& [path, format] : cases) EXPECT_EQ(ExportFormatForPath(path), format) << path;
    EXPECT_STREQ(ExportExtension(ImageFormat::PNG8), "png");
    EXPECT_STREQ(ExportExtension(ImageFormat::JPEG), "jpg");
}

// The window's Cancel: the progress hook stops the export after any object;
// nothing is written, not even a temporary, and there is no message to show.
TEST_F(ExportSave, ProgressCountsTheObjectsAndStoppingLeavesNoFile) {
    ASSERT_GE(lf.objs, 2);
    std::vector<std::pair<int, int>> steps;
    ASSERT_TRUE(SaveLogoImage(lf, logo, {}, Path("whole.png"), [&](int done, int total) {
        steps.emplace_back(done, total);
        return true;
    }));
    ASSERT_EQ(steps.size(), static_cast<std::size_t>(lf.objs));
    EXPECT_EQ(steps.back(), std::make_pair(lf.objs, lf.objs));

    for (const int stop_at : {1, lf.objs}) {
        const std::string path = Path("stopped" + std::to_string(stop_at) + ".png");
        const Result stopped =
            SaveLogoImage(lf, logo, {}, path, [&](int done, int) { return done < stop_at; });
        EXPECT_FALSE(stopped);
        EXPECT_EQ(stopped.message(), "");
        EXPECT_FALSE(fs::exists(path));
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(tmp.path()), fs::directory_iterator()), 1);
}

// What the window runs on its worker thread and then writes gives the same
// file as Save.
TEST_F(ExportSave, EncodeThenWriteMatchesSave) {
    ExportOptions options;
    options.format = ImageFormat::JPEG;
    options.quality = 40;
    std::vector<std::uint8_t> bytes;
    ASSERT_TRUE(EncodeLogoImage(Draw(options), options, bytes));
    ASSERT_TRUE(WriteLogoFile(Path("split.jpg"), bytes));
    ASSERT_TRUE(Save(options, Path("saved.jpg")));
    EXPECT_EQ(ReadBytes(Path("split.jpg")), ReadBytes(Path("saved.jpg")));
    const Result refused = WriteLogoFile(Path("missing/folder.jpg"), bytes);
    EXPECT_EQ(refused.message().rfind("File could not be saved: " + Path("missing/folder.jpg"), 0),
              0u);
}

}  // namespace
}  // namespace vx
