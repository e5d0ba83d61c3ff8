// vexologo-cli render, run as a user runs it: a copy of the tool in a program
// folder of packed test fonts, compared with the canvas rendered in-process.

#include <gtest/gtest.h>

#include <filesystem>

#include "document/LeFile.h"
#include "render/Random.h"
#include "support/TestFonts.h"
#include "support/ToolTest.h"

namespace vx {
namespace {

namespace fs = std::filesystem;

using RenderCommand = test::ToolTest;

LeFile Logo() {
    LeFile lf;
    lf.AddObj(test::TextObject("Command line", test::SANS_BOLD, 48, 0, 0));
    lf.obj[0]->lt.grad = lf.obj[0]->lt.has_outline = lf.obj[0]->lt.has_shadow = 1;
    lf.AddObj(test::ShapeObject(36, 48, 48, 0, 60));
    return lf;
}

// The canvas as LeFile::Update leaves it for that space and seed.
std::vector<std::uint32_t> InProcess(LeFile& lf, int w, int h, std::uint32_t seed) {
    EngineRandom().Seed(seed);
    lf.Update(w, h, -1, -1);
    return LeFile::ob.dta;
}

TEST_F(RenderCommand, WritesTheCanvasTheOutputWindowWouldShow) {
    LeFile lf = Logo();
    const std::string zeb = Save(lf, "logo.zeb");
    ASSERT_EQ(Run("render " + zeb + " " + Path("out.png") + " --size 500x300 --seed 99"), 0) << err;
    const std::vector<std::uint32_t> canvas = InProcess(lf, 500, 300, 99);
    ExpectPng("out.png", canvas, LeFile::ob.dw, LeFile::ob.dh);

    // Default space 800 x 600; another seed changes only the dither.
    ASSERT_EQ(Run("render " + zeb + " " + Path("default.png") + " --seed 5"), 0) << err;
    const std::vector<std::uint32_t> big = InProcess(lf, 800, 600, 5);
    ExpectPng("default.png", big, LeFile::ob.dw, LeFile::ob.dh);
    EXPECT_NE(big, InProcess(lf, 800, 600, 6));
}

TEST_F(RenderCommand, RefusesBadArgumentsWithoutWritingAFile) {
    const std::string zeb = Save(Logo(), "logo.zeb");
    const std::string out = Path("never.png");
    EXPECT_EQ(Run("render " + zeb + " " + out + " --size 9x300"), 1);
    EXPECT_NE(err.find("--size"), std::string::npos) << err;
    EXPECT_EQ(Run("render " + zeb + " " + out + " --size 20000x300"), 1);
    EXPECT_EQ(Run("render " + zeb + " " + out + " --seed -1"), 1);
    EXPECT_EQ(Run("render " + zeb + " " + out + " --colour red"), 2);
    EXPECT_EQ(Run("render " + zeb), 2);
    EXPECT_EQ(Run("render " + Path("missing.zeb") + " " + out), 1);
    EXPECT_NE(err.find("File could not be opened: " + Path("missing.zeb")), std::string::npos)
        << err;
    EXPECT_FALSE(fs::exists(out));
}

TEST_F(RenderCommand, ReportsALogoItCannotRenderAndWritesNothing) {
    LeFile lf;
    auto huge = std::make_unique<LogoObject>();
    huge->lt.size = 1000000;
    lf.AddObj(std::move(huge));
    const std::string out = Path("huge.png");
    EXPECT_EQ(Run("render " + Save(lf, "huge.zeb") + " " + out), 1);
    // The glyph at that size is refused (by the box check or by FreeType).
    EXPECT_NE(err.find("Fatal error"), std::string::npos) << err;
    EXPECT_NE(err.find("ft.Render(lt,0,1)"), std::string::npos) << err;
    EXPECT_FALSE(fs::exists(out));
}

}  // namespace
}  // namespace vx
