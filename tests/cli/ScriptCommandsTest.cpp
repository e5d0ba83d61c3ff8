// The commands scripts use around the engine, run as a user runs them: JSON
// round trips, import, the font listings and the command table.

#include <gmock/gmock.h>
#include <sys/stat.h>

#include <filesystem>

#include "support/ToolTest.h"

namespace vx {
namespace {

using testing::HasSubstr;

namespace fs = std::filesystem;

using ScriptCommands = test::ToolTest;

TEST_F(ScriptCommands, JsonRoundTripKeepsEveryByte) {
    Write("in.json", R"json({"version":2,"bgc":[10,20,30],"cur":1,"objects":[
        {"type":0,"x":5,"y":-5,"lt":{"str":"Caf\u00e9","angle":0.1,"has_transform":1}},
        {"type":1,"lt":{"font":"Starburst Regular","shape":19,"bend":"NaN(0x7fc00001)"}}]})json");
    ASSERT_EQ(Run("from-json " + Path("in.json") + " " + Path("a.zeb")), 0) << err;
    ASSERT_EQ(Run("to-json " + Path("a.zeb")), 0) << err;
    EXPECT_THAT(printed, HasSubstr("Café"));  // text is UTF-8 in JSON
    ASSERT_EQ(Run("from-json " + Write("a.json", printed) + " " + Path("b.zeb")), 0) << err;
    EXPECT_EQ(Bytes("a.zeb"), Bytes("b.zeb"));
}

// A project is refused with the reason; fonts are refused, in their own
// words, by any command that loads them.
TEST_F(ScriptCommands, RefusalsNameTheFileAndWriteNothing) {
    const std::string never = " " + Path("never");
    ASSERT_EQ(mkfifo(Path("pipe.png").c_str(), 0600), 0);
    std::string newer = Text("logo.zeb");
    newer[4] = 3;
    Write("basgl.bgd", std::string(20, '\0'));  // does not unscramble to the library magic
    ExpectRefusals(
        "",
        {{"to-json " + Write("short.zeb", Text("logo.zeb").substr(0, 100)), 1,
          "File could not be opened: " + Path("short.zeb") + " (object 0: the file ends early)"},
         {"to-json " + Write("newer.zeb", newer), 1,
          Path("newer.zeb") +
              ": File could not be opened by this version of the software. (version 3)"},
         {"from-json " + Write("bad.json", R"({"objects":[{"lt":{"size":"big"}}]})") + never, 1,
          "objects[0].lt.size:"},
         {"from-json " + Write("broken.json", "{") + never, 1, "not valid JSON"},
         {"import " + Write("bad.bmp", "not a picture") + never, 1,
          "File could not be opened: " + Path("bad.bmp") + " (Not a BMP)"},
         {"import " + Path("pipe.png") + never, 1, ""},  // at once, unread
         {"import " + Path("bad.bmp"), 2, "Usage: vexologo-cli import"},
         {"to-json", 2, "Usage: vexologo-cli to-json"},
         {"fonts extra", 2, "Usage: vexologo-cli fonts"},
         {"no-such-command", 2, "unknown command 'no-such-command'"},
         {"fonts", 1, "Installation package corrupted. Please reinstall Vexo Logo"},
         {"shapes", 1, "Installation package corrupted. Please reinstall Vexo Logo"}});
    EXPECT_FALSE(fs::exists(Path("never")));
    EXPECT_EQ(Run("help"), 0);
    EXPECT_THAT(printed, HasSubstr("Commands:"));
}

TEST_F(ScriptCommands, ImportWritesThePictureAsA32BitPng) {
    // A 2 x 1 Targa with alpha: blue half transparent, red opaque.
    Write("in.TGA",
          std::string("\0\0\2\0\0\0\0\0\0\0\0\0\2\0\1\0\x20\x08\xFF\0\0\x80\0\0\xFF\xFF", 26));
    ASSERT_EQ(Run("import " + Path("in.TGA") + " " + Path("out.png")), 0) << err;
    PngImage png;
    ASSERT_TRUE(DecodePng(Bytes("out.png"), png));
    EXPECT_TRUE(png.has_alpha);
    EXPECT_EQ(png.pixels, (std::vector<std::uint32_t>{0x800000FFu, 0xFFFF0000u}));
}

}  // namespace
}  // namespace vx
