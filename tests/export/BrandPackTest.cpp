// The brand pack of the typical logo: every file read back at its size by our
// own import and by ImageMagick, the derived pictures true to the logo, the
// progress of the whole pack, and refusals.

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <sstream>

#include "codecs/Image.h"
#include "codecs/PngDecoder.h"
#include "export/BrandPack.h"
#include "export/LogoExport.h"
#include "render/Color.h"
#include "render/Random.h"
#include "support/Recorders.h"
#include "support/TempDir.h"
#include "support/TestLogos.h"

namespace vx {
namespace {

namespace fs = std::filesystem;

std::vector<std::uint8_t> ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// "name width height" for every picture ImageMagick finds in `files`, one
// line for each picture of an icon.
std::multimap<std::string, std::pair<int, int>> Identify(const std::string& files) {
    std::multimap<std::string, std::pair<int, int>> sizes;
    const std::string command = "identify -format '%f %w %h\\n' " + files;
    const std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    if (!pipe) return sizes;
    char line[512];
    while (fgets(line, sizeof line, pipe.get())) {
        std::istringstream in(line);
        std::string name;
        int w = 0, h = 0;
        if (in >> name >> w >> h) sizes.emplace(name, std::pair{w, h});
    }
    return sizes;
}

class BrandPackTest : public test::RecordingTest {
protected:
    void SetUp() override {
        test::TypicalLogo(lf);
        logo = OpenExport(lf);
        background = HslToRgb(lf.bgc);
        pack = tmp.path() / "pack";
    }
    std::vector<std::uint32_t> Pixels(const std::string& name, int type, int& w, int& h) const {
        Image img;
        std::vector<std::uint32_t> px;
        EXPECT_TRUE(img.Decode(ReadBytes(pack / name), type)) << name << ": " << img.error;
        EXPECT_TRUE(img.ToPixels(px));
        w = img.w;
        h = img.h;
        return px;
    }
    PngImage Png(const std::string& name) const {
        PngImage png;
        EXPECT_TRUE(DecodePng(ReadBytes(pack / name), png)) << name;
        return png;
    }

    LeFile lf;
    ExportLogo logo;
    std::uint32_t background = 0;
    test::TempDir tmp;
    fs::path pack;
};

TEST_F(BrandPackTest, EveryFileIsWrittenAndReadsBackAtItsSize) {
    ASSERT_TRUE(WriteBrandPack(lf, logo, pack.string()));
    const auto height_at = [&](int w) { return logo.h * w / logo.w; };
    const struct {
        std::string name;
        int type;
        std::vector<std::pair<int, int>> sizes;  // every picture of the file
        int height_slack;                        // shrunk from a larger drawing: a pixel either way
    } files[] = {
        {"logo.png", IMAGE_PNG, {{logo.w, logo.h}}, 0},
        {"logo-512.png", IMAGE_PNG, {{512, height_at(512)}}, 1},
        {"logo-1024.png", IMAGE_PNG, {{1024, height_at(1024)}}, 1},
        {"logo-2048.png", IMAGE_PNG, {{2048, height_at(2048)}}, 1},
        {"logo-transparent.png", IMAGE_PNG, {{logo.w, logo.h}}, 0},
        {"logo-mono.png", IMAGE_PNG, {{logo.w, logo.h}}, 0},
        {"logo-inverse.png", IMAGE_PNG, {{logo.w, logo.h}}, 0},
        {"favicon.ico", IMAGE_ICO, {{16, 16}, {32, 32}, {48, 48}}, 0},
        {"favicon-32.png", IMAGE_PNG, {{32, 32}}, 0},
        {"apple-touch-icon.png", IMAGE_PNG, {{180, 180}}, 0},
        {"social-card.png", IMAGE_PNG, {{1200, 630}}, 0},
    };
    const auto magick = Identify((pack / "*.png").string() + " " + (pack / "favicon.ico").string() +
                                 " " + (pack / "logo.svg").string());
    for (const auto& file : files) {
        int w = 0, h = 0;
        Pixels(file.name, file.type, w, h);
        EXPECT_EQ(w, file.sizes[0].first) << file.name;
        EXPECT_NEAR(h, file.sizes[0].second, file.height_slack) << file.name;
        std::vector<std::pair<int, int>> seen;
        for (auto [at, end] = magick.equal_range(file.name); at != end; ++at)
            seen.push_back(at->second);
        ASSERT_EQ(seen.size(), file.sizes.size()) << file.name << " in ImageMagick";
        for (std::size_t i = 0; i < seen.size(); ++i) {
            EXPECT_EQ(seen[i].first, file.sizes[i].first) << file.name;
            EXPECT_NEAR(seen[i].second, file.sizes[i].second, file.height_slack) << file.name;
        }
    }
    // The folder holds the pack and nothing else: no temporaries, README.txt
    // naming every file.
    std::ifstream readme(pack / "README.txt");
    const std::string text{std::istreambuf_iterator<char>(readme), {}};
    std::size_t count = 0;
    for (const auto& entry : fs::directory_iterator(pack)) {
        ++count;
        EXPECT_NE(text.find(entry.path().filename().string()), std::string::npos) << entry.path();
    }
    EXPECT_EQ(count, BrandPackFiles().size());
    EXPECT_EQ(count, std::size(files) + 2);  // and logo.svg, README.txt

    // The vector drawing: an SVG document of the logo's size, which
    // ImageMagick reads (through its SVG delegate) at that size.
    ASSERT_EQ(magick.count("logo.svg"), 1u);
    EXPECT_EQ(magick.find("logo.svg")->second, std::pair(logo.w, logo.h));
    std::ifstream svg(pack / "logo.svg");
    const std::string drawing{std::istreambuf_iterator<char>(svg), {}};
    EXPECT_NE(drawing.find("<svg"), std::string::npos);
    EXPECT_NE(drawing.find("width=\"" + std::to_string(logo.w)), std::string::npos);
    EXPECT_NE(drawing.find("height=\"" + std::to_string(logo.h)), std::string::npos);
}

TEST_F(BrandPackTest, DerivedPicturesKeepTheLogosShapeAndPlace) {
    ASSERT_TRUE(WriteBrandPack(lf, logo, pack.string()));
    const PngImage clear = Png("logo-transparent.png");
    const PngImage mono = Png("logo-mono.png");
    const PngImage inverse = Png("logo-inverse.png");
    ASSERT_TRUE(clear.has_alpha && mono.has_alpha && inverse.has_alpha);
    std::size_t ink = 0;
    for (std::size_t i = 0; i < clear.pixels.size(); ++i) {
        const std::uint32_t alpha = clear.pixels[i] >> 24;
        ink += alpha == 255;
        ASSERT_EQ(mono.pixels[i], alpha << 24) << i;  // black, where the logo is
        ASSERT_EQ(inverse.pixels[i], alpha << 24 | 0xFFFFFF) << i;
    }
    EXPECT_GT(ink, clear.pixels.size() / 10);
    EXPECT_EQ(clear.pixels[0] >> 24, 0u) << "the corner shows through";

    // Fitted pictures: the logo's box scaled into the room inside the margins
    // and centred, so its ink lies where the box puts it.
    int ink_left = clear.w, ink_right = -1, ink_top = clear.h, ink_bottom = -1;
    for (int y = 0; y < clear.h; ++y)
        for (int x = 0; x < clear.w; ++x)
            if (clear.pixels[static_cast<std::size_t>(y * clear.w + x)] >> 24 != 0) {
                ink_left = std::min(ink_left, x);
                ink_right = std::max(ink_right, x + 1);
                ink_top = std::min(ink_top, y);
                ink_bottom = std::max(ink_bottom, y + 1);
            }
    const struct {
        std::string name;
        int type;
        int margin;
    } fitted[] = {{"favicon.ico", IMAGE_ICO, 1},
                  {"favicon-32.png", IMAGE_PNG, 2},
                  {"apple-touch-icon.png", IMAGE_PNG, 18},
                  {"social-card.png", IMAGE_PNG, 78}};
    for (const auto& file : fitted) {
        int w = 0, h = 0;
        const std::vector<std::uint32_t> px = Pixels(file.name, file.type, w, h);
        int left = w, right = -1, top = h, bottom = -1;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                if ((px[static_cast<std::size_t>(y * w + x)] & 0xFFFFFF) != background) {
                    left = std::min(left, x);
                    right = std::max(right, x + 1);
                    top = std::min(top, y);
                    bottom = std::max(bottom, y + 1);
                }
        const double scale =
            std::min(double(w - 2 * file.margin) / logo.w, double(h - 2 * file.margin) / logo.h);
        const double box_left = (w - logo.w * scale) / 2;
        const double box_top = (h - logo.h * scale) / 2;
        EXPECT_GE(left, file.margin) << file.name;
        EXPECT_LE(right, w - file.margin) << file.name;
        EXPECT_GE(top, file.margin) << file.name;
        EXPECT_LE(bottom, h - file.margin) << file.name;
        // The faintest edges of shadows vanish into the background when
        // flattened: a few pixels of the drawing either way.
        const double slack = 2 + 4 * scale;
        EXPECT_NEAR(left, box_left + ink_left * scale, slack) << file.name;
        EXPECT_NEAR(right, box_left + ink_right * scale, slack) << file.name;
        EXPECT_NEAR(top, box_top + ink_top * scale, slack) << file.name;
        EXPECT_NEAR(bottom, box_top + ink_bottom * scale, slack) << file.name;
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
        EXPECT_EQ(ReadBytes(entry.path()), ReadBytes(pack / entry.path().filename()))
            << entry.path();
}

TEST_F(BrandPackTest, RefusalsSayWhy) {
    LeFile empty;
    const ExportLogo nothing = OpenExport(empty);
    const Result refused = WriteBrandPack(empty, nothing, pack.string());
    EXPECT_FALSE(refused);
    EXPECT_NE(refused.message().find("empty"), std::string::npos);
    EXPECT_FALSE(fs::exists(pack));

    const std::string file = tmp.Write("taken", {1, 2, 3});
    const Result blocked = WriteBrandPack(lf, logo, file);
    EXPECT_FALSE(blocked);
    EXPECT_EQ(blocked.message().rfind(MSG_CANNOT_SAVE, 0), 0u) << blocked.message();
}

}  // namespace
}  // namespace vx
