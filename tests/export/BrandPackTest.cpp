// The brand pack of the typical logo: every file read back at its size by
// ImageMagick, the derived pictures read by our own import and true to the
// logo, the progress of the whole pack, and refusals.

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "codecs/Image.h"
#include "export/BrandPack.h"
#include "export/RgbaImage.h"
#include "render/Color.h"
#include "render/Random.h"
#include "support/ExportPictures.h"

namespace vx {
namespace {

namespace fs = std::filesystem;
using test::FileBytes;

// The width and height of every picture ImageMagick finds in `file` (an icon
// holds several).
std::vector<std::pair<int, int>> Identify(const fs::path& file) {
    std::vector<std::pair<int, int>> sizes;
    FILE* out = popen(("identify -format '%w %h\\n' " + file.string()).c_str(), "r");
    for (int w = 0, h = 0; out && std::fscanf(out, "%d %d", &w, &h) == 2;) sizes.emplace_back(w, h);
    EXPECT_TRUE(out && pclose(out) == 0) << file;
    return sizes;
}

class BrandPackTest : public test::ExportTest {
protected:
    void SetUp() override {
        test::TypicalLogo(lf);
        logo = OpenExport(lf);
        pack = tmp.path() / "pack";
    }
    // The pack's file `name` as our own import reads it.
    RgbaImage Read(const std::string& name, int type) const {
        Image img;
        RgbaImage out;
        EXPECT_TRUE(img.Decode(FileBytes(pack / name), type) && img.ToPixels(out.px))
            << name << ": " << img.error;
        out.w = img.w;
        out.h = img.h;
        return out;
    }

    ExportLogo logo;
    fs::path pack;
};

TEST_F(BrandPackTest, EveryFileIsWrittenAndReadsBackAtItsSize) {
    ASSERT_TRUE(WriteBrandPack(lf, logo, pack.string()));
    const auto height_at = [&](int w) { return logo.h * w / logo.w; };
    const struct {
        std::string name;
        std::vector<std::pair<int, int>> sizes;  // every picture of the file
        int height_slack;                        // shrunk from a larger drawing: a pixel either way
    } files[] = {
        {"logo.png", {{logo.w, logo.h}}, 0},
        {"logo-512.png", {{512, height_at(512)}}, 1},
        {"logo-1024.png", {{1024, height_at(1024)}}, 1},
        {"logo-2048.png", {{2048, height_at(2048)}}, 1},
        {"logo-transparent.png", {{logo.w, logo.h}}, 0},
        {"logo-mono.png", {{logo.w, logo.h}}, 0},
        {"logo-inverse.png", {{logo.w, logo.h}}, 0},
        {"favicon.ico", {{16, 16}, {32, 32}, {48, 48}}, 0},
        {"favicon-32.png", {{32, 32}}, 0},
        {"apple-touch-icon.png", {{180, 180}}, 0},
        {"social-card.png", {{1200, 630}}, 0},
        {"logo.svg", {{logo.w, logo.h}}, 0},  // read through ImageMagick's SVG delegate
    };
    for (const auto& file : files) {
        SCOPED_TRACE(file.name);
        const auto seen = Identify(pack / file.name);
        ASSERT_EQ(seen.size(), file.sizes.size());
        for (std::size_t i = 0; i < seen.size(); ++i) {
            EXPECT_EQ(seen[i].first, file.sizes[i].first);
            EXPECT_NEAR(seen[i].second, file.sizes[i].second, file.height_slack);
        }
    }
    // The folder holds the pack and nothing else: no temporaries, README.txt
    // naming every file.
    const std::string text = test::FileText(pack / "README.txt");
    std::size_t count = 0;
    for (const auto& entry : fs::directory_iterator(pack)) {
        ++count;
        EXPECT_NE(text.find(entry.path().filename().string()), std::string::npos) << entry.path();
    }
    EXPECT_EQ(count, BrandPackFiles().size());
    EXPECT_EQ(count, std::size(files) + 1);  // and README.txt
}

TEST_F(BrandPackTest, DerivedPicturesKeepTheLogosShapeAndPlace) {
    ASSERT_TRUE(WriteBrandPack(lf, logo, pack.string()));
    const RgbaImage clear = Read("logo-transparent.png", IMAGE_PNG);
    const RgbaImage mono = Read("logo-mono.png", IMAGE_PNG);
    const RgbaImage inverse = Read("logo-inverse.png", IMAGE_PNG);
    ASSERT_TRUE(mono.px.size() == clear.px.size() && inverse.px.size() == clear.px.size());
    std::size_t ink = 0;
    for (std::size_t i = 0; i < clear.px.size(); ++i) {
        const std::uint32_t alpha = clear.px[i] >> 24;
        ink += alpha == 255;
        ASSERT_EQ(mono.px[i], alpha << 24) << i;  // black, where the logo is
        ASSERT_EQ(inverse.px[i], alpha << 24 | 0xFFFFFF) << i;
    }
    EXPECT_GT(ink, clear.px.size() / 10);
    EXPECT_EQ(clear.px[0] >> 24, 0u) << "the corner shows through";

    // Fitted pictures: the logo's box scaled into the room inside the margins
    // and centred, so its ink lies where the box puts it.
    const test::PixelBox drawn = test::InkBox(clear.px, clear.w, 0xFF000000, 0);
    const struct {
        std::string name;
        int type;
        int margin;
    } fitted[] = {{"favicon.ico", IMAGE_ICO, 1},
                  {"favicon-32.png", IMAGE_PNG, 2},
                  {"apple-touch-icon.png", IMAGE_PNG, 18},
                  {"social-card.png", IMAGE_PNG, 78}};
    for (const auto& file : fitted) {
        SCOPED_TRACE(file.name);
        const RgbaImage img = Read(file.name, file.type);
        const test::PixelBox box = test::InkBox(img.px, img.w, 0xFFFFFF, HslToRgb(lf.bgc));
        const int w = img.w, h = img.h, m = file.margin;
        const double scale = std::min(double(w - 2 * m) / logo.w, double(h - 2 * m) / logo.h);
        const double box_left = (w - logo.w * scale) / 2, box_top = (h - logo.h * scale) / 2;
        EXPECT_TRUE(box.left >= m && box.top >= m && box.right <= w - m && box.bottom <= h - m)
            << box.left << "," << box.top << " to " << box.right << "," << box.bottom;
        // The faintest edges of shadows vanish into the background when
        // flattened: a few pixels of the drawing either way.
        const double slack = 2 + 4 * scale;
        EXPECT_NEAR(box.left, box_left + drawn.left * scale, slack);
        EXPECT_NEAR(box.right, box_left + drawn.right * scale, slack);
        EXPECT_NEAR(box.top, box_top + drawn.top * scale, slack);
        EXPECT_NEAR(box.bottom, box_top + drawn.bottom * scale, slack);
    }
}

TEST_F(BrandPackTest, ProgressCoversTheWholePackAndCanStopIt) {
    std::vector<std::pair<int, int>> calls;
    EngineRandom().Seed(7);  // the same gradient dither in both packs
    ASSERT_TRUE(WriteBrandPack(lf, logo, pack.string(), [&](int done, int total) {
        calls.emplace_back(done, total);
        return true;
    }));
    ASSERT_FALSE(calls.empty());
    for (std::size_t i = 1; i < calls.size(); ++i) {
        EXPECT_GE(calls[i].first, calls[i - 1].first);
        EXPECT_EQ(calls[i].second, calls[0].second);
    }
    EXPECT_EQ(calls.back().first, calls.back().second);

    // Stopped half-way: what was written is whole, the rest absent.
    const fs::path stopped = tmp.path() / "stopped";
    const int half = calls.back().second - static_cast<int>(BrandPackFiles().size()) / 2;
    EngineRandom().Seed(7);
    const Result result =
        WriteBrandPack(lf, logo, stopped.string(), [&](int done, int) { return done < half; });
    ASSERT_FALSE(result);
    EXPECT_EQ(result.message(), "");
    EXPECT_TRUE(fs::exists(stopped / "logo.png"));
    EXPECT_FALSE(fs::exists(stopped / "README.txt"));
    for (const auto& entry : fs::directory_iterator(stopped))
        EXPECT_EQ(FileBytes(entry.path()), FileBytes(pack / entry.path().filename()))
            << entry.path();
}

TEST_F(BrandPackTest, RefusalsSayWhy) {
    LeFile empty;
    const Result refused = WriteBrandPack(empty, OpenExport(empty), pack.string());
    EXPECT_FALSE(refused);
    EXPECT_NE(refused.message().find("empty"), std::string::npos);
    EXPECT_FALSE(fs::exists(pack));

    const Result blocked = WriteBrandPack(lf, logo, tmp.Write("taken", {1, 2, 3}));
    EXPECT_FALSE(blocked);
    EXPECT_EQ(blocked.message().rfind(MSG_CANNOT_SAVE, 0), 0u) << blocked.message();
}

}  // namespace
}  // namespace vx
