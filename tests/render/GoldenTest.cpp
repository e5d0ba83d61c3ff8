// Whole logos rendered with a fixed seed and compared with stored pictures,
// pixel for pixel.
//
// The pictures live in tests/render/golden. To regenerate them on purpose
// (after an intended change of the rendering), run the tests with
// VX_UPDATE_GOLDEN=1 and look at every changed picture before committing it.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iterator>

#include "codecs/PngDecoder.h"
#include "codecs/PngWriter.h"
#include "document/LeFile.h"
#include "render/Random.h"
#include "support/Recorders.h"
#include "support/TestFonts.h"

namespace vx {
namespace {

constexpr std::uint32_t SEED = 20240607;
constexpr int SPACE_W = 320;
constexpr int SPACE_H = 200;

// A soft disc of blue with alpha falling off towards its rim.
std::unique_ptr<LogoObject> Disc(int d, int x, int y) {
    auto o = std::make_unique<LogoObject>();
    o->type = BITMAP_OBJECT;
    o->file = "disc.png";
    o->w = o->h = d;
    o->x = x;
    o->y = y;
    for (int r = 0; r < d; ++r)
        for (int c = 0; c < d; ++c) {
            const double dist = std::hypot(c - d / 2.0, r - d / 2.0) / (d / 2.0);
            const auto a = static_cast<std::uint32_t>(std::max(0.0, 1.0 - dist) * 255.0);
            o->cbm.push_back(a << 24 | 0x2050C0u | static_cast<std::uint32_t>(c * 255 / d) << 16);
        }
    return o;
}

void Effects(LogoParams& lt) {
    lt.has_outline = lt.has_shadow = 1;
    lt.strength = 3;
    lt.outline_color = {150, 240, 90};
    lt.shadow_distance = 6;
    lt.shadow_opacity = 0.6f;
}

struct Golden {
    const char* name;
    std::function<void(LeFile&)> build;
};

void PrintTo(const Golden& g, std::ostream* os) {
    *os << g.name;
}

const Golden GOLDENS[] = {
    {"text_straight",
     [](LeFile& lf) { lf.AddObj(test::TextObject("Vexo Logo", test::SANS, 40, 0, 0)); }},
    {"text_rotated",
     [](LeFile& lf) {
         auto o = test::TextObject("Turned", test::SERIF, 36, 0, 0);
         o->lt.angle = 0.08f;
         o->lt.has_transform = 1;
         lf.AddObj(std::move(o));
     }},
    {"text_bent_outside",
     [](LeFile& lf) {
         auto o = test::TextObject("Arching text", test::SANS_BOLD, 30, 0, 0);
         o->lt.has_transform = o->lt.has_bend = 1;
         o->lt.bend = 0.55f;
         lf.AddObj(std::move(o));
     }},
    {"text_bent_inside",
     [](LeFile& lf) {
         auto o = test::TextObject("Sagging text", test::SANS, 30, 0, 0);
         o->lt.has_transform = o->lt.has_bend = o->lt.bend_in = 1;
         o->lt.bend = 0.55f;
         o->lt.angle = 0.97f;
         lf.AddObj(std::move(o));
     }},
    {"outline_shadow",
     [](LeFile& lf) {
         auto o = test::TextObject("Shadow", test::SANS_BOLD, 44, 0, 0);
         o->lt.color = {40, 240, 200};
         Effects(o->lt);
         lf.AddObj(std::move(o));
     }},
    {"gradient",
     [](LeFile& lf) {
         lf.bgc = {120, 60, 220};
         auto o = test::TextObject("Gradient", test::SANS_BOLD, 46, 0, 0);
         o->lt.grad = 1;
         o->lt.grad_angle = 30;
         o->lt.grad_color1 = {0, 240, 120};
         o->lt.grad_color2 = {160, 240, 100};
         o->lt.grad_opacity2 = 0.5f;
         lf.AddObj(std::move(o));
     }},
    {"shapes",
     [](LeFile& lf) {
         lf.AddObj(test::ShapeObject(2652, 90, 45, -70, 0));  // a star stretched wide
         auto turned = test::ShapeObject(36, 50, 70, 70, 0);
         turned->lt.angle = 0.125f;
         turned->lt.has_transform = 1;
         turned->lt.color = {20, 200, 110};
         lf.AddObj(std::move(turned));
     }},
    {"bitmap_alpha",
     [](LeFile& lf) {
         lf.bgc = {0, 0, 200};
         lf.AddObj(Disc(60, 0, 0));
     }},
    {"overlapping",
     [](LeFile& lf) {
         lf.AddObj(Disc(90, -30, 10));
         auto star = test::ShapeObject(2652, 80, 80, 30, -10);
         star->lt.grad = 1;
         star->lt.grad_angle = 90;
         star->lt.grad_color1 = {30, 240, 120};
         star->lt.grad_color2 = {0, 240, 100};
         Effects(star->lt);
         lf.AddObj(std::move(star));
         auto text = test::TextObject("Front", test::SERIF, 34, 0, 25);
         text->lt.color = {200, 240, 60};
         text->lt.has_outline = 1;
         text->lt.outline_color = {0, 0, 240};
         lf.AddObj(std::move(text));
         lf.cur = 1;
     }},
};

std::string GoldenPath(const std::string& name) {
    return std::string(VX_GOLDEN_DIR) + "/" + name + ".png";
}

// Compares, or with VX_UPDATE_GOLDEN set stores, one picture.
void CheckPicture(const std::string& name, const std::vector<std::uint32_t>& px, int w, int h) {
    const std::string path = GoldenPath(name);
    if (std::getenv("VX_UPDATE_GOLDEN")) {
        ASSERT_TRUE(WritePngFile(path, px.data(), w, h, PngChannels::RGB));
        return;
    }
    std::ifstream in(path, std::ios::binary);
    ASSERT_TRUE(in) << "missing golden picture " << path;
    const std::vector<std::uint8_t> bytes(std::istreambuf_iterator<char>(in), {});
    PngImage golden;
    ASSERT_TRUE(DecodePng(bytes, golden)) << path;
    ASSERT_EQ(golden.w, w) << name;
    ASSERT_EQ(golden.h, h) << name;
    for (std::size_t i = 0; i < px.size(); ++i) {
        const std::uint32_t want = golden.pixels[i] & 0xFFFFFF;
        ASSERT_EQ(px[i], want) << name << ": first difference at (" << i % w << ", " << i / w
                               << "): rendered 0x" << std::hex << px[i] << ", golden 0x" << want;
    }
}

class GoldenImages : public test::RecordingTest, public ::testing::WithParamInterface<Golden> {};

TEST_P(GoldenImages, RenderExactly) {
    LeFile lf;
    GetParam().build(lf);
    EngineRandom().Seed(SEED);
    lf.Update(SPACE_W, SPACE_H, 96, 64);
    const ObjectBitmap& ob = LeFile::ob;
    CheckPicture(GetParam().name, ob.dta, ob.dw, ob.dh);
    if (lf.cur >= 0 && std::string(GetParam().name) == "overlapping")
        CheckPicture(std::string(GetParam().name) + "_current", ob.cdta, ob.cdw, ob.cdh);
}

INSTANTIATE_TEST_SUITE_P(Logos, GoldenImages, ::testing::ValuesIn(GOLDENS),
                         [](const auto& p) { return std::string(p.param.name); });

}  // namespace
}  // namespace vx
