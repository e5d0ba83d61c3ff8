// vexologo-cli export, run as a user runs it: a copy of the tool in a program
// folder of packed test fonts, its pictures compared with the export drawn
// in-process.

#include <gmock/gmock.h>

#include <filesystem>
#include <set>

#include "codecs/Image.h"
#include "export/LogoExport.h"
#include "export/SvgExport.h"
#include "support/ObjectKinds.h"
#include "support/TestFonts.h"
#include "support/ToolTest.h"

namespace vx {
namespace {

namespace fs = std::filesystem;

class ExportCommand : public test::ToolTest {
protected:
    // Exports `zeb` to the file `out` of the temporary folder.
    int Export(const std::string& out, const std::string& options = "") {
        return Run("export " + zeb + " " + Path(out) + options);
    }
};

TEST_F(ExportCommand, WritesWhatSaveDrawsInTheFormatTheNameAsksForWithAlphaOnRequest) {
    ASSERT_EQ(Export("out.png", " --scale 250 --margin 6"), 0) << err;
    ExportImage drawn;
    ASSERT_TRUE(DrawLogoImage(lf, OpenExport(lf), {.scale = 250, .margin = 6}, drawn));
    ExpectPng("out.png", drawn.px, drawn.w, drawn.h);

    // Another name, another format; --format wins over the name. Which
    // extension names which format, the export tests check.
    for (const auto& [out, options, type] :
         {std::tuple{"out.gif", "", IMAGE_GIF}, {"palette.img", " --format png8", IMAGE_PNG}}) {
        ASSERT_EQ(Export(out, options), 0) << out << err;
        Image img;
        EXPECT_TRUE(img.Decode(Bytes(out), type)) << out;
        EXPECT_EQ(img.w, OpenExport(lf).w) << out;
    }
    EXPECT_EQ(Bytes("palette.img")[25], 3);  // PNG colour type 3: a palette
    // Which pixels are clear is the export's rule; the option reaches it.
    ASSERT_EQ(Export("clear.png", " --transparent"), 0) << err;
    PngImage png;
    ASSERT_TRUE(DecodePng(Bytes("clear.png"), png));
    EXPECT_TRUE(png.has_alpha);
}

TEST_F(ExportCommand, WritesTheSvgDocumentByNameOrByFormat) {
    ASSERT_EQ(Export("logo.SVG", " --scale 150 --transparent"), 0) << err;
    ASSERT_EQ(Export("named.png", " --format svg --scale 150"), 0) << err;
    std::string opaque, clear;
    ASSERT_TRUE(DrawLogoSvg(lf, OpenExport(lf), {.scale = 150}, opaque));
    ASSERT_TRUE(DrawLogoSvg(lf, OpenExport(lf), {.scale = 150, .transparent = true}, clear));
    EXPECT_EQ(Text("named.png"), opaque);
    EXPECT_EQ(Text("logo.SVG"), clear);
    EXPECT_NE(clear, opaque);  // no background rectangle
}

// Refusals write nothing, not even a temporary file beside a folder in the way.
// A logo holding a picture exports at its own scale only, as the dialog allows.
TEST_F(ExportCommand, RefusalsSayWhyAndWriteNothing) {
    const std::string out = " " + Path("never.png");
    fs::create_directory(Path("folder.png"));
    fs::create_directory(Path("folder.svg"));
    LeFile picture = lf;
    picture.AddObj(test::BitmapObject(150, 0, 2, 2));
    picture.obj[2]->file = test::WriteTestPng(Path("pic.png"), 2, 2);
    const std::string picture_zeb = Save(picture, "picture.zeb");
    ExpectRefusals(
        "export ",
        {{zeb + " " + Path("never.webp"), 1, "cannot tell the image format"},
         {zeb + out + " --scale -5", 1, "--scale must be a whole number: -5"},
         {zeb + out + " --quality high", 1, "--quality must be a whole number: high"},
         {zeb + out + " --format webp", 1, "--format must be one of png24|png8|gif|"},
         {zeb + out + " --colour red", 1, "unknown option --colour"},
         {zeb + out + " --scale", 1, "missing value after --scale"},
         // Beyond 10000 % the scale is held at 10000 %, which is too large here.
         {zeb + out + " --scale 999999999999", 1, "The image would be"},
         {zeb, 2, "Usage: vexologo-cli export"},
         // An OUT is missing: not even the first logo is written.
         {zeb + out + " " + zeb, 2, "Usage: vexologo-cli export"},
         {"--list " + Write("bad.txt", zeb + out + "\n"), 1,
          "bad.txt:1: expected FILE.zeb<TAB>OUT"},
         {Path("missing.zeb") + out, 1,
          "File could not be opened: " + Path("missing.zeb") + " (No such file or directory)"},
         {Save(LeFile{}, "empty.zeb") + out, 1, "nothing to export"},
         {picture_zeb + out + " --scale 200", 1,
          "holds an imported picture and exports at 100 % only"},
         {zeb + " " + Path("folder.png"), 1, "File could not be saved: " + Path("folder.png")},
         {zeb + " " + Path("folder.svg"), 1, "File could not be saved: " + Path("folder.svg")}});
    std::set<std::string> left;
    for (const auto& entry : fs::directory_iterator(Path(""))) {
        const std::string name = entry.path().filename().string();
        if (name.starts_with("never") || name.starts_with("folder")) left.insert(name);
    }
    EXPECT_EQ(left, (std::set<std::string>{"folder.png", "folder.svg"}));
    // At its own scale the picture's logo exports.
    EXPECT_EQ(Run("export " + picture_zeb + " " + Path("same.png") + " --scale 100"), 0) << err;
}

// Several logos in one run, from the command line and a list file: each file
// is what a run for it alone writes (the gradient's dither included); a logo
// that fails does not stop the others.
TEST_F(ExportCommand, ABatchWritesWhatSeparateRunsWrite) {
    LeFile gradient = lf;
    gradient.obj[0]->lt.grad = 1;
    const std::string a = Save(gradient, "a.zeb");
    ASSERT_EQ(Run("export " + a + " " + Path("a1.png")), 0) << err;
    ASSERT_EQ(Export("b1.gif"), 0) << err;

    Write("list.txt", a + "\t" + Path("a3.png") + "\n\n" + Path("missing.zeb") + "\t" +
                          Path("m.png") + "\n" + zeb + "\t" + Path("b3.gif") + "\n");
    EXPECT_EQ(Run("export " + a + " " + Path("a2.png") + " " + zeb + " " + Path("b2.gif") +
                  " --list " + Path("list.txt")),
              1);
    EXPECT_THAT(err, testing::HasSubstr("File could not be opened: " + Path("missing.zeb")));
    EXPECT_FALSE(fs::exists(Path("m.png")));
    for (const auto& [batch, alone] : {std::pair{"a2.png", "a1.png"},
                                       {"a3.png", "a1.png"},  // dithered as by a fresh process
                                       {"b2.gif", "b1.gif"},
                                       {"b3.gif", "b1.gif"}})
        EXPECT_EQ(Bytes(batch), Bytes(alone)) << batch;
}

}  // namespace
}  // namespace vx
