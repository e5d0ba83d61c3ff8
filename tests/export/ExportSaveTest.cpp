// Save: the options reach the writers (the writers themselves are tested in
// the io tests, every format through vexologo-cli export), the format chosen by
// extension, and files that are complete or untouched.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "export/SvgExport.h"
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

// Save writes the drawing encoded as the options ask, and so does what the
// window runs on its worker thread: the format, the quality, and alpha where
// the background is transparent.
TEST_F(ExportSave, WritesTheDrawingEncodedAsTheOptionsAsk) {
    const ExportOptions cases[] = {
        {.format = ImageFormat::PNG24, .scale = 200, .transparent = true},
        {.format = ImageFormat::PNG8, .transparent = true},
        {.format = ImageFormat::GIF8, .transparent = true},
        {.format = ImageFormat::TIFF, .quality = 40, .transparent = true},
        {.format = ImageFormat::JPEG, .quality = 10},
        {.format = ImageFormat::JPEG, .quality = 95},
    };
    for (const ExportOptions& options : cases) {
        const std::string name =
            "q" + std::to_string(options.quality) + "." + ExportExtension(options.format);
        SCOPED_TRACE(name);
        const ExportImage drawn = test::DrawExport(lf, logo, options);
        ASSERT_EQ(drawn.alpha.size(), options.transparent ? drawn.px.size() : 0);
        const WritePixels pixels{drawn.px.data(), drawn.w, drawn.h,
                                 options.transparent ? drawn.alpha.data() : nullptr};
        std::vector<std::uint8_t> file, split;
        ASSERT_TRUE(EncodeImage(options.format, pixels, options.quality, file));
        ASSERT_TRUE(Save(options, name));
        EXPECT_EQ(FileBytes(tmp.Path(name)), file);
        ASSERT_TRUE(EncodeLogoImage(drawn, options, split));
        EXPECT_EQ(split, file);
    }
}

TEST_F(ExportSave, AFailedSaveLeavesTheOldFileAndNoTemporaries) {
    std::ofstream(tmp.Path("keep.png")) << "old";
    EXPECT_FALSE(Save({.scale = 10000}, "keep.png"));  // far beyond the limits
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
    EXPECT_TRUE(IsSvgPath("a/logo.SVG"));
    EXPECT_FALSE(IsSvgPath("logo.svg/out"));
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

}  // namespace
}  // namespace vx
