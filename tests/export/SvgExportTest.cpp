// SVG export: the document rasterised by rsvg-convert at the export's size
// against the PNG 24 export of the same logo, for each feature the vector
// form redoes (placement, bend, rotation, gradient, outline, shadow, scale
// and margins, pictures, transparency), and well-formed XML.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "codecs/PngDecoder.h"
#include "export/SvgExport.h"
#include "support/ExportPictures.h"

namespace vx {
namespace {

using test::Channel;

constexpr double MIN_PSNR = 25.0;  // dB

// PSNR of the rasterised SVG (0xAARRGGBB) against the drawn picture: its
// colours over black, or with `alpha` its alpha plane. (Over black a
// transparent export's colours are unassociated, so only alpha compares.)
double Psnr(const ExportImage& png, const std::vector<std::uint32_t>& svg, bool alpha) {
    double sum = 0.0;
    for (std::size_t i = 0; i < png.px.size(); ++i) {
        const int a = Channel(svg[i], 24);
        for (const int s : {16, 8, 0}) {
            const int d =
                alpha ? a - png.alpha[i] : Channel(svg[i], s) * a / 255 - Channel(png.px[i], s);
            sum += static_cast<double>(d) * d;
        }
    }
    const double mse = sum / (3.0 * static_cast<double>(png.px.size()));
    return mse == 0.0 ? 99.0 : 10.0 * std::log10(255.0 * 255.0 / mse);
}

// A logo of tests/data/export and the export options it is drawn with.
struct Case {
    const char* name;
    const char* logo;
    ExportOptions options;
};

const Case CASES[] = {
    {"typical", "typical", {}},   {"plain", "plain", {}},
    {"bend", "bend", {}},         {"rotation", "rotation", {}},
    {"gradient", "gradient", {}}, {"outline", "outline", {}},
    {"shadow", "shadow", {}},     {"scaled_with_margins", "typical", {.scale = 250, .margin = 12}},
    {"picture", "picture", {}},   {"transparent", "typical", {.margin = 4, .transparent = true}},
};

class SvgExport : public test::ExportTest, public ::testing::WithParamInterface<Case> {};

TEST_P(SvgExport, RasterisesLikeThePngExport) {
    const Case& c = GetParam();
    test::LoadLogo(c.logo, lf);
    const ExportLogo logo = OpenExport(lf);
    const ExportImage png = test::DrawExport(lf, logo, c.options);
    const std::string svg = tmp.Path("logo.svg");
    ASSERT_TRUE(SaveLogoSvg(lf, logo, c.options, svg));

    ASSERT_EQ(std::system(("xmllint --noout " + svg).c_str()), 0) << "not well-formed XML";
    const std::string raster = tmp.Path("logo.png");
    const std::string command = "rsvg-convert --width " + std::to_string(png.w) + " --height " +
                                std::to_string(png.h) + " -o " + raster + " " + svg;
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    PngImage drawn;
    ASSERT_TRUE(DecodePng(test::FileBytes(raster), drawn));
    ASSERT_EQ(drawn.w, png.w);
    ASSERT_EQ(drawn.h, png.h);
    EXPECT_GE(Psnr(png, drawn.pixels, c.options.transparent), MIN_PSNR);
}

INSTANTIATE_TEST_SUITE_P(Logos, SvgExport, ::testing::ValuesIn(CASES),
                         [](const auto& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace vx
