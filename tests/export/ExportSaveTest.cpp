// Save: the options reach the writers (the writers themselves are tested in
// the io tests, every format through vexologo-cli export), the format chosen by
// extension, and files that are complete or untouched.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "codecs/PngDecoder.h"
#include "render/Random.h"
#include "support/ExportPictures.h"

namespace vx {
namespace {

namespace fs = std::filesystem;
using test::FileBytes;

class ExportSave : public test::ExportTest {
protected:
    void SetUp() override {
        test::TypicalLogo(lf);
        logo = OpenExport(lf);
    }
    // Saves into the test's folder with the dither seeded as DrawExport seeds it.
    Result Save(const ExportOptions& options, const std::string& name,
                const ExportProgress& progress = {}) {
        EngineRandom().Seed(7);
        return SaveLogoImage(lf, logo, options, tmp.Path(name), progress);
    }
    int FilesInFolder() const {
        return static_cast<int>(std::distance(fs::directory_iterator(tmp.path()), {}));
    }

    ExportLogo logo;
};

TEST_F(ExportSave, TransparentFormatsKeepTheDrawnAlpha) {
    ExportOptions options = test::ExportAt(200, 0, true);
    const ExportImage drawn = test::DrawExport(lf, logo, options);
    ASSERT_TRUE(Save(options, "clear.png"));
    PngImage png;
    ASSERT_TRUE(DecodePng(FileBytes(tmp.Path("clear.png")), png));
    ASSERT_TRUE(png.has_alpha);
    for (std::size_t i = 0; i < drawn.px.size(); ++i)
        ASSERT_EQ(png.pixels[i], std::uint32_t{drawn.alpha[i]} << 24 | drawn.px[i]) << i;
    for (const ImageFormat format : {ImageFormat::PNG8, ImageFormat::GIF8, ImageFormat::TIFF}) {
        options.format = format;
        EXPECT_TRUE(Save(options, std::string("clear.") + ExportExtension(format)));
    }
}

TEST_F(ExportSave, QualitySetsTheJpegCompression) {
    ExportOptions options;
    options.format = ImageFormat::JPEG;
    options.quality = 10;
    ASSERT_TRUE(Save(options, "low.jpg"));
    options.quality = 95;
    ASSERT_TRUE(Save(options, "high.jpg"));
    EXPECT_LT(fs::file_size(tmp.Path("low.jpg")), fs::file_size(tmp.Path("high.jpg")));
}

TEST_F(ExportSave, AFailedSaveLeavesTheOldFileAndNoTemporaries) {
    std::ofstream(tmp.Path("keep.png")) << "old";
    EXPECT_FALSE(Save(test::ExportAt(10000), "keep.png"));  // far beyond the limits
    EXPECT_EQ(FileBytes(tmp.Path("keep.png")), (std::vector<std::uint8_t>{'o', 'l', 'd'}));

    const Result refused = Save({}, "missing/logo.png");
    EXPECT_EQ(
        refused.message().rfind("File could not be saved: " + tmp.Path("missing/logo.png"), 0), 0u)
        << refused.message();

    // A good save replaces the old file whole.
    ASSERT_TRUE(Save({}, "keep.png"));
    EXPECT_EQ(FileBytes(tmp.Path("keep.png"))[1], 'P');
    EXPECT_EQ(FilesInFolder(), 1);
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
    ASSERT_TRUE(Save({}, "whole.png", [&](int done, int total) {
        steps.emplace_back(done, total);
        return true;
    }));
    ASSERT_EQ(steps.size(), static_cast<std::size_t>(lf.objs));
    EXPECT_EQ(steps.back(), std::make_pair(lf.objs, lf.objs));

    for (const int stop_at : {1, lf.objs}) {
        const Result stopped =
            Save({}, "stopped.png", [&](int done, int) { return done < stop_at; });
        EXPECT_FALSE(stopped);
        EXPECT_EQ(stopped.message(), "");
    }
    EXPECT_EQ(FilesInFolder(), 1);
}

// What the window runs on its worker thread and then writes gives the same
// file as Save.
TEST_F(ExportSave, EncodeThenWriteMatchesSave) {
    ExportOptions options;
    options.format = ImageFormat::JPEG;
    options.quality = 40;
    std::vector<std::uint8_t> bytes;
    ASSERT_TRUE(EncodeLogoImage(test::DrawExport(lf, logo, options), options, bytes));
    ASSERT_TRUE(WriteLogoFile(tmp.Path("split.jpg"), bytes));
    ASSERT_TRUE(Save(options, "saved.jpg"));
    EXPECT_EQ(FileBytes(tmp.Path("split.jpg")), FileBytes(tmp.Path("saved.jpg")));
}

}  // namespace
}  // namespace vx
