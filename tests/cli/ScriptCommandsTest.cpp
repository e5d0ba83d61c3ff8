// The commands scripts use around the engine, run as a user runs them: JSON
// round trips, import, the font listings and the command table.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "support/Documents.h"
#include "support/ToolTest.h"

namespace vx {
namespace {

namespace fs = std::filesystem;

using ScriptCommands = test::ToolTest;

void WriteText(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

TEST_F(ScriptCommands, JsonRoundTripKeepsEveryByte) {
    WriteText(Path("in.json"), R"json({"version":2,"bgc":[10,20,30],"cur":1,"objects":[
        {"type":0,"x":5,"y":-5,"lt":{"str":"Caf\u00e9","angle":0.1,"has_transform":1}},
        {"type":1,"lt":{"font":"Starburst Regular","shape":19,"bend":"NaN(0x7fc00001)"}}]})json");
    ASSERT_EQ(Run("from-json " + Path("in.json") + " " + Path("a.zeb")), 0) << err;
    ASSERT_EQ(Run("to-json " + Path("a.zeb")), 0) << err;
    EXPECT_NE(printed.find("Café"), std::string::npos) << printed;  // text is UTF-8 in JSON
    WriteText(Path("a.json"), printed);
    ASSERT_EQ(Run("from-json " + Path("a.json") + " " + Path("b.zeb")), 0) << err;
    EXPECT_EQ(Bytes("a.zeb"), Bytes("b.zeb"));
}

TEST_F(ScriptCommands, RefusalsNameTheFileAndWriteNothing) {
    Save(test::MakeVariedDocument(2), "a.zeb");
    std::ofstream(Path("short.zeb"), std::ios::binary)
        .write(reinterpret_cast<const char*>(Bytes("a.zeb").data()), 100);
    std::ofstream(Path("v3.zeb"), std::ios::binary).write("\xdf\x39\0\0\3\0\0\0", 8);
    WriteText(Path("bad.json"), R"({"objects":[{"lt":{"size":"big"}}]})");
    WriteText(Path("broken.json"), "{");
    WriteText(Path("bad.bmp"), "not a picture");
    ASSERT_EQ(mkfifo(Path("pipe.png").c_str(), 0600), 0);
    const struct {
        std::string args, message;
        int status;
    } cases[] = {
        {"to-json " + Path("short.zeb"), "File could not be opened: " + Path("short.zeb"), 1},
        {"to-json " + Path("v3.zeb"),
         Path("v3.zeb") + ": File could not be opened by this version of the software.", 1},
        {"from-json " + Path("bad.json") + " " + Path("never"), "objects[0].lt.size:", 1},
        {"from-json " + Path("broken.json") + " " + Path("never"), "", 1},
        {"import " + Path("bad.bmp") + " " + Path("never"),
         "File could not be opened: " + Path("bad.bmp") + " (Not a BMP)", 1},
        {"import " + Path("pipe.png") + " " + Path("never"), "", 1},  // at once, unread
        {"import " + Path("bad.bmp"), "Usage: vexologo-cli import", 2},
        {"to-json", "Usage: vexologo-cli to-json", 2},
        {"no-such-command", "unknown command 'no-such-command'", 2},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Run(c.args), c.status) << c.args << "\n" << err;
        EXPECT_NE(err.find(c.message), std::string::npos) << c.args << "\n" << err;
    }
    EXPECT_FALSE(fs::exists(Path("never")));
    EXPECT_EQ(Run("help"), 0);
    EXPECT_NE(printed.find("Commands:"), std::string::npos);
}

TEST_F(ScriptCommands, ImportWritesA32BitPngThatImportsAgain) {
    // A 2 x 1 Targa with alpha: blue half transparent, red opaque.
    std::ofstream(Path("in.TGA"), std::ios::binary)
        .write("\0\0\2\0\0\0\0\0\0\0\0\0\2\0\1\0\x20\x08\xFF\0\0\x80\0\0\xFF\xFF", 26);
    ASSERT_EQ(Run("import " + Path("in.TGA") + " " + Path("out.png")), 0) << err;
    PngImage png;
    ASSERT_TRUE(DecodePng(Bytes("out.png"), png));
    EXPECT_TRUE(png.has_alpha);
    EXPECT_EQ(png.pixels, (std::vector<std::uint32_t>{0x800000FFu, 0xFFFF0000u}));
    ASSERT_EQ(Run("import " + Path("out.png") + " " + Path("again.png")), 0) << err;
    EXPECT_EQ(Bytes("out.png"), Bytes("again.png"));
}

TEST_F(ScriptCommands, FontListingsFailOnABrokenProgramFolder) {
    fs::remove(Path("basgl.bgd"));
    EXPECT_EQ(Run("fonts"), 1);
    EXPECT_NE(err.find("open:" + Path("basgl.bgd")), std::string::npos) << err;
    // 20 bytes that do not unscramble to the library magic
    WriteText(Path("basgl.bgd"), std::string(20, '\0'));
    EXPECT_EQ(Run("shapes"), 1);
    EXPECT_NE(err.find("Installation package corrupted. Please reinstall Vexo Logo"),
              std::string::npos)
        << err;
    EXPECT_EQ(printed, "");
    EXPECT_EQ(Run("fonts extra"), 2);
}

}  // namespace
}  // namespace vx
