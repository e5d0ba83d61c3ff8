// vexologo-cli brand-pack, run as a user runs it: the pack in the folder
// named, its logo.png what the export draws, and the tool's refusals.

#include <gtest/gtest.h>

#include <filesystem>

#include "export/BrandPack.h"
#include "export/LogoExport.h"
#include "support/TestFonts.h"
#include "support/ToolTest.h"

namespace vx {
namespace {

namespace fs = std::filesystem;

using BrandPackCommand = test::ToolTest;

LeFile Logo() {
    LeFile lf;
    lf.AddObj(test::TextObject("Pack", test::SANS_BOLD, 40, 0, 0));
    lf.obj[0]->lt.color = {10, 220, 100};
    lf.bgc = {150, 60, 200};
    return lf;
}

TEST_F(BrandPackCommand, WritesEveryFileIntoTheFolderItCreates) {
    LeFile lf = Logo();
    const std::string zeb = Save(lf, "logo.zeb");
    ASSERT_EQ(Run("brand-pack " + zeb + " " + Path("out/pack")), 0) << err;
    for (const BrandPackFile& file : BrandPackFiles())
        EXPECT_TRUE(fs::is_regular_file(Path("out/pack/") + file.name)) << file.name;

    // logo.png is the logo at its own size on its background, as Save draws it.
    ExportImage drawn;
    ASSERT_TRUE(DrawLogoImage(lf, OpenExport(lf), {}, drawn));
    ExpectPng("out/pack/logo.png", drawn.px, drawn.w, drawn.h);
}

TEST_F(BrandPackCommand, RefusalsSayWhy) {
    const std::string zeb = Save(Logo(), "logo.zeb");
    const struct {
        std::string args;
        int status;
        std::string message;
    } cases[] = {
        {zeb, 2, "Usage: vexologo-cli brand-pack"},
        {zeb + " " + Path("a") + " " + Path("b"), 2, "Usage"},
        {Path("missing.zeb") + " " + Path("pack"), 1, "File could not be opened: "},
        {Save(LeFile{}, "empty.zeb") + " " + Path("pack"), 1, "nothing to export"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Run("brand-pack " + c.args), c.status) << c.args;
        EXPECT_NE(err.find(c.message), std::string::npos) << c.args << "\n" << err;
    }
    EXPECT_FALSE(fs::exists(Path("pack")));
}

}  // namespace
}  // namespace vx
