// vexologo-cli render, run as a user runs it: a copy of the tool in a program
// folder of packed test fonts, compared with the canvas rendered in-process.

#include <gtest/gtest.h>

#include <filesystem>

#include "document/LeFile.h"
#include "render/Random.h"
#include "support/ToolTest.h"

namespace vx {
namespace {

namespace fs = std::filesystem;

class RenderCommand : public test::ToolTest {
protected:
    // With a gradient, whose dither the seed drives.
    RenderCommand() {
        lf.obj[0]->lt.grad = 1;
        zeb = Save(lf, "gradient.zeb");
    }

    // The canvas as LeFile::Update leaves it for that space and seed.
    std::vector<std::uint32_t> InProcess(int w, int h, std::uint32_t seed) {
        EngineRandom().Seed(seed);
        lf.Update(w, h, -1, -1);
        return LeFile::ob.dta;
    }
};

TEST_F(RenderCommand, WritesTheCanvasTheOutputWindowWouldShow) {
    ASSERT_EQ(Run("render " + zeb + " " + Path("out.png") + " --size 500x300 --seed 99"), 0) << err;
    const std::vector<std::uint32_t> canvas = InProcess(500, 300, 99);
    ExpectPng("out.png", canvas, LeFile::ob.dw, LeFile::ob.dh);

    // Default space 800 x 600; another seed changes only the dither.
    ASSERT_EQ(Run("render " + zeb + " " + Path("default.png") + " --seed 5"), 0) << err;
    const std::vector<std::uint32_t> big = InProcess(800, 600, 5);
    ExpectPng("default.png", big, LeFile::ob.dw, LeFile::ob.dh);
    EXPECT_NE(big, InProcess(800, 600, 6));
}

TEST_F(RenderCommand, RefusalsSayWhyAndWriteNothing) {
    const std::string out = " " + Path("never.png");
    LeFile huge;
    huge.AddObj(std::make_unique<LogoObject>());
    huge.obj[0]->lt.size = 1000000;
    ExpectRefusals(
        "render ",
        {{zeb + out + " --size 9x300", 1, "--size must be WxH"},
         {zeb + out + " --size 20000x300", 1, "--size must be WxH"},
         {zeb + out + " --seed -1", 1, "--seed must be a number"},
         {zeb + out + " --colour red", 2, "Usage: vexologo-cli render"},
         {zeb, 2, "Usage: vexologo-cli render"},
         {Path("missing.zeb") + out, 1, "File could not be opened: " + Path("missing.zeb")},
         // The glyph at that size is refused (by the box check or by FreeType).
         {Save(huge, "huge.zeb") + out, 1,
          "Fatal error\nError sequence: obj[n]->Update() -> ft.Render(lt,0,1)"}});
    EXPECT_FALSE(fs::exists(Path("never.png")));
}

}  // namespace
}  // namespace vx
