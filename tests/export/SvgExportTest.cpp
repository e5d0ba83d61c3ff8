// SVG export: the document rasterised by rsvg-convert at the export's size
// against the PNG 24 export of the same logo, for each feature the vector
// form redoes (placement, bend, rotation, gradient, outline, shadow, scale
// and margins, pictures, transparency); well-formed XML; atomic save.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>

#include "codecs/PngDecoder.h"
#include "export/SvgExport.h"
#include "render/Random.h"
#include "support/Recorders.h"
#include "support/TempDir.h"
#include "support/TestFonts.h"
#include "support/TestLogos.h"

namespace vx {
namespace {

constexpr double MIN_PSNR = 25.0;  // dB

std::vector<std::uint8_t> ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// PSNR over the colour channels of `svg` (rasterised, 0xAARRGGBB) composited
// over `bg` against the drawn picture; with `alpha`, over the alpha planes.
double Psnr(const ExportImage& png, const PngImage& svg, std::uint32_t bg, bool alpha) {
    double sum = 0.0;
    std::size_t n = 0;
    for (std::size_t i = 0; i < png.px.size(); ++i) {
        const std::uint32_t s = svg.pixels[i];
        const int a = static_cast<int>(s >> 24);
        if (alpha) {
            const double d = a - png.alpha[i];
            sum += d * d;
            ++n;
            continue;
        }
        for (int shift : {16, 8, 0}) {
            const int over = (((s >> shift) & 0xFF) * a + ((bg >> shift) & 0xFF) * (255 - a)) / 255;
            const double d = over - static_cast<int>((png.px[i] >> shift) & 0xFF);
            sum += d * d;
            ++n;
        }
    }
    const double mse = sum / static_cast<double>(n);
    return mse == 0.0 ? 99.0 : 10.0 * std::log10(255.0 * 255.0 / mse);
}

struct Case {
    const char* name;
    std::function<void(LeFile&)> build;
    int scale = 100;
    int margin = 0;
    bool transparent = false;
};

void Title(LeFile& lf, const std::function<void(LogoParams&)>& style) {
    lf.AddObj(test::TextObject("Vexo Logo", test::SANS_BOLD, 64, 0, 0));
    lf.obj[0]->lt.color = {150, 200, 80};
    style(lf.obj[0]->lt);
    lf.bgc = {40, 60, 220};
}

const Case CASES[] = {
    {"typical", test::TypicalLogo},
    {"plain", [](LeFile& lf) { Title(lf, [](LogoParams&) {}); }},
    {"bend",
     [](LeFile& lf) {
         Title(lf, [](LogoParams& lt) {
             lt.has_transform = lt.has_bend = 1;
             lt.bend = 0.45f;
         });
     }},
    {"rotation",
     [](LeFile& lf) {
         Title(lf, [](LogoParams& lt) {
             lt.has_transform = 1;
             lt.angle = 0.08f;
         });
     }},
    {"gradient",
     [](LeFile& lf) {
         Title(lf, [](LogoParams& lt) {
             lt.grad = 1;
             lt.grad_angle = 120;
             lt.grad_color1 = {20, 240, 120};
             lt.grad_color2 = {150, 240, 90};
             lt.grad_opacity2 = 0.5f;
         });
     }},
    {"outline",
     [](LeFile& lf) {
         Title(lf, [](LogoParams& lt) {
             lt.has_outline = 1;
             lt.strength = 5;
             lt.outline_sharpness = 0.8f;
             lt.outline_color = {0, 0, 0};
         });
     }},
    {"shadow",
     [](LeFile& lf) {
         Title(lf, [](LogoParams& lt) {
             lt.has_shadow = 1;
             lt.strength = 4;
             lt.shadow_distance = 8;
             lt.shadow_angle = 45;
         });
     }},
    {"scaled with margins", test::TypicalLogo, 250, 12},
    {"picture",
     [](LeFile& lf) {
         Title(lf, [](LogoParams&) {});
         lf.AddObj(test::BitmapObject(-200, 0, 40, 30, 0x80FF8000u));
     }},
    {"transparent", test::TypicalLogo, 100, 4, true},
};

class SvgExport : public test::RecordingTest, public ::testing::WithParamInterface<Case> {
protected:
    test::TempDir tmp;
};

TEST_P(SvgExport, RasterisesLikeThePngExport) {
    const Case& c = GetParam();
    LeFile lf;
    c.build(lf);
    const ExportLogo logo = OpenExport(lf);
    ExportOptions options;
    options.scale = c.scale;
    options.margin = c.margin;
    options.transparent = c.transparent;
    ExportImage png;
    EngineRandom().Seed(7);
    ASSERT_TRUE(DrawLogoImage(lf, logo, options, png));
    const std::string svg = tmp.Path("logo.svg");
    ASSERT_TRUE(SaveLogoSvg(lf, logo, options, svg));

    ASSERT_EQ(std::system(("xmllint --noout " + svg).c_str()), 0) << "not well-formed XML";
    const std::string raster = tmp.Path("logo.png");
    const std::string command = "rsvg-convert --width " + std::to_string(png.w) + " --height " +
                                std::to_string(png.h) + " -o " + raster + " " + svg;
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    PngImage drawn;
    ASSERT_TRUE(DecodePng(ReadBytes(raster), drawn));
    ASSERT_EQ(drawn.w, png.w);
    ASSERT_EQ(drawn.h, png.h);

    // A transparent export is compared over black, where its colours are
    // unassociated, by its alpha plane; an opaque one by its colours.
    const double psnr = Psnr(png, drawn, 0, c.transparent);
    std::printf("[ SVG      ] %-20s %dx%d  %.1f dB  %zu bytes\n", c.name, png.w, png.h, psnr,
                static_cast<std::size_t>(std::filesystem::file_size(svg)));
    EXPECT_GE(psnr, MIN_PSNR);
}

INSTANTIATE_TEST_SUITE_P(Logos, SvgExport, ::testing::ValuesIn(CASES),
                         [](const ::testing::TestParamInfo<Case>& param) {
                             std::string name = param.param.name;
                             for (char& ch : name)
                                 if (ch == ' ') ch = '_';
                             return name;
                         });

}  // namespace
}  // namespace vx
