// Whole logos rendered with a fixed seed and compared with stored pictures,
// pixel for pixel. The logos are project files in tests/data/render (see the
// README there), the pictures live in tests/render/golden. To regenerate the
// pictures on purpose (after an intended change of the rendering), run the
// tests with VX_UPDATE_GOLDEN=1 and look at every changed picture before
// committing it.

#include <gtest/gtest.h>

#include <cstdlib>

#include "codecs/PngDecoder.h"
#include "codecs/PngWriter.h"
#include "document/LeFile.h"
#include "document/ProjectFile.h"
#include "render/Random.h"
#include "shell/ReadFile.h"
#include "support/Recorders.h"

namespace vx {
namespace {

// Compares, or with VX_UPDATE_GOLDEN set stores, one picture.
void CheckPicture(const std::string& name, const std::vector<std::uint32_t>& px, int w, int h) {
    const std::string path = std::string(VX_GOLDEN_DIR) + "/" + name + ".png";
    if (std::getenv("VX_UPDATE_GOLDEN")) {
        ASSERT_TRUE(WritePngFile(path, px.data(), w, h, PngChannels::RGB));
        return;
    }
    std::vector<std::uint8_t> bytes;
    PngImage golden;
    ASSERT_TRUE(ReadWholeFile(path, 1 << 20, bytes)) << "missing golden picture " << path;
    ASSERT_TRUE(DecodePng(bytes, golden)) << path;
    ASSERT_EQ(golden.w, w) << name;
    ASSERT_EQ(golden.h, h) << name;
    for (std::size_t i = 0; i < px.size(); ++i) {
        const std::uint32_t want = golden.pixels[i] & 0xFFFFFF;
        ASSERT_EQ(px[i], want) << name << ": first difference at (" << i % w << ", " << i / w
                               << "): rendered 0x" << std::hex << px[i] << ", golden 0x" << want;
    }
}

class GoldenImages : public test::RecordingTest,
                     public ::testing::WithParamInterface<const char*> {};

// The logo and, for the one with a current object, the view of that object.
TEST_P(GoldenImages, RenderExactly) {
    const std::string name = GetParam();
    LeFile lf;
    ASSERT_EQ(ReadProjectFile(std::string(VX_DATA_DIR) + "/" + name + ".zeb", lf).status,
              ProjectStatus::OK);
    for (int n = 0; n < lf.objs; ++n)  // pictures are stored by name, beside the logo
        if (lf.obj[n]->type == BITMAP_OBJECT) lf.obj[n]->file = VX_DATA_DIR "/" + lf.obj[n]->file;
    EngineRandom().Seed(20240607);
    lf.Update(320, 200, 96, 64);
    const ObjectBitmap& ob = LeFile::ob;
    CheckPicture(name, ob.dta, ob.dw, ob.dh);
    if (name == "overlapping") CheckPicture(name + "_current", ob.cdta, ob.cdw, ob.cdh);
}

INSTANTIATE_TEST_SUITE_P(Logos, GoldenImages,
                         ::testing::Values("text_straight", "text_rotated", "text_bent_outside",
                                           "text_bent_inside", "outline_shadow", "gradient",
                                           "shapes", "bitmap_alpha", "overlapping"),
                         [](const auto& p) { return std::string(p.param); });

}  // namespace
}  // namespace vx
