#include "support/ToolTest.h"

#include <gmock/gmock.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "document/ProjectFile.h"
#include "support/TempDir.h"

namespace vx::test {

namespace fs = std::filesystem;

LeFile ToolLogo() {
    LeFile lf;
    lf.AddObj(TextObject("Export", SANS_BOLD, 48, 0, 0));
    lf.obj[0]->lt.has_outline = lf.obj[0]->lt.has_shadow = 1;
    lf.obj[0]->lt.color = {100, 200, 90};
    lf.AddObj(ShapeObject(36, 50, 50, -120, 10));
    lf.bgc = {30, 120, 220};
    return lf;
}

ToolTest::ToolTest() : dir_(WriteTestLibraries()), cli_(Path("vexologo-cli")) {
    fs::copy_file(VX_CLI_PATH, cli_);
}

ToolTest::~ToolTest() {
    std::error_code ec;
    fs::remove_all(dir_, ec);
}

std::string ToolTest::Path(const std::string& name) const {
    return (fs::path(dir_) / name).string();
}

int ToolTest::Run(const std::string& args) {
    // A tool that hangs fails its test instead of the whole run.
    const std::string cmd =
        "timeout 60 " + cli_ + " " + args + " >" + Path("out.txt") + " 2>" + Path("err.txt");
    const int status = std::system(cmd.c_str());
    printed = Text("out.txt");
    err = Text("err.txt");
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void ToolTest::ExpectRefusals(const std::string& command, const std::vector<Refusal>& cases) {
    for (const Refusal& c : cases) {
        EXPECT_EQ(Run(command + c.args), c.status) << command << c.args;
        EXPECT_THAT(err, testing::HasSubstr(c.message)) << command << c.args;
    }
}

void ToolTest::UseShippedTool() {
    cli_ = VX_CLI_PATH;
}

std::vector<std::uint8_t> ToolTest::Bytes(const std::string& name) const {
    return FileBytes(Path(name));
}

std::string ToolTest::Text(const std::string& name) const {
    return FileText(Path(name));
}

std::string ToolTest::Write(const std::string& name, const std::string& text) const {
    std::ofstream(Path(name), std::ios::binary) << text;
    return Path(name);
}

void ToolTest::ExpectPng(const std::string& name, const std::vector<std::uint32_t>& px, int w,
                         int h) const {
    PngImage png;
    ASSERT_TRUE(DecodePng(Bytes(name), png)) << name;
    ASSERT_EQ(png.w, w) << name;
    ASSERT_EQ(png.h, h) << name;
    ASSERT_FALSE(png.has_alpha) << name;
    for (std::size_t i = 0; i < px.size(); ++i)
        ASSERT_EQ(png.pixels[i] & 0xFFFFFF, px[i] & 0xFFFFFF)
            << name << ": first difference at " << i % w << "," << i / w;
}

std::string ToolTest::Save(const LeFile& logo, const std::string& name) const {
    const std::string path = Path(name);
    EXPECT_TRUE(WriteProjectFile(path, logo));
    return path;
}

}  // namespace vx::test
