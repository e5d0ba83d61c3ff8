// vexologo-cli brand-pack, run as a user runs it: the pack in the folder
// named, its logo.png what the export draws, and the tool's refusals.

#include <gtest/gtest.h>

#include <filesystem>

#include "export/LogoExport.h"
#include "support/ToolTest.h"

namespace vx {
namespace {

namespace fs = std::filesystem;

using BrandPackCommand = test::ToolTest;

// The pack's files are the export tests' concern; here, the pack is written
// into the folder, which the command creates: logo.png is the logo at its own
// size on its background, as Save draws it.
TEST_F(BrandPackCommand, WritesThePackIntoTheFolderItCreates) {
    ASSERT_EQ(Run("brand-pack " + zeb + " " + Path("out/pack")), 0) << err;
    ExportImage drawn;
    ASSERT_TRUE(DrawLogoImage(lf, OpenExport(lf), {}, drawn));
    ExpectPng("out/pack/logo.png", drawn.px, drawn.w, drawn.h);
}

TEST_F(BrandPackCommand, RefusalsSayWhy) {
    ExpectRefusals("brand-pack ",
                   {{zeb, 2, "Usage: vexologo-cli brand-pack"},
                    {zeb + " " + Path("a") + " " + Path("b"), 2, "Usage: vexologo-cli brand-pack"},
                    {Path("missing.zeb") + " " + Path("pack"), 1,
                     "File could not be opened: " + Path("missing.zeb")},
                    {Save(LeFile{}, "empty.zeb") + " " + Path("pack"), 1, "nothing to export"}});
    EXPECT_FALSE(fs::exists(Path("pack")));
}

}  // namespace
}  // namespace vx
