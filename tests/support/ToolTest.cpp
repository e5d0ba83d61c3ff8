#include "support/ToolTest.h"

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "document/ProjectFile.h"
#include "support/TestFonts.h"

namespace vx::test {

namespace fs = std::filesystem;

void ToolTest::SetUp() {
    dir_ = WriteTestLibraries();
    cli_ = (fs::path(dir_) / "vexologo-cli").string();
    fs::copy_file(VX_CLI_PATH, cli_);
}

void ToolTest::TearDown() {
    RecordingTest::TearDown();
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
    const auto text = [this](const char* name) {
        std::ifstream in(Path(name));
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    printed = text("out.txt");
    err = text("err.txt");
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void ToolTest::UseShippedTool() {
    cli_ = VX_CLI_PATH;
}

std::vector<std::uint8_t> ToolTest::Bytes(const std::string& name) const {
    std::ifstream in(Path(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
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

std::string ToolTest::Save(const LeFile& lf, const std::string& name) {
    const std::string path = Path(name);
    EXPECT_TRUE(WriteProjectFile(path, lf));
    return path;
}

}  // namespace vx::test
