// vexologo-cli export, run as a user runs it: a copy of the tool in a program
// folder of packed test fonts, its pictures compared with the export drawn
// in-process.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "codecs/Image.h"
#include "codecs/PngDecoder.h"
#include "codecs/PngWriter.h"
#include "export/LogoExport.h"
#include "export/SvgExport.h"
#include "support/TestFonts.h"
#include "support/ToolTest.h"

namespace vx {
namespace {

namespace fs = std::filesystem;

using ExportCommand = test::ToolTest;

// A logo without gradients, so no dither: the tool and the test draw alike.
LeFile Logo() {
    LeFile lf;
    lf.AddObj(test::TextObject("Export", test::SANS_BOLD, 48, 0, 0));
    lf.obj[0]->lt.has_outline = lf.obj[0]->lt.has_shadow = 1;
    lf.obj[0]->lt.color = {100, 200, 90};
    lf.AddObj(test::ShapeObject(36, 50, 50, -120, 10));
    lf.bgc = {30, 120, 220};
    return lf;
}

TEST_F(ExportCommand, WritesWhatSaveDrawsInTheFormatTheNameAsksForWithAlphaOnRequest) {
    LeFile lf = Logo();
    const std::string zeb = Save(lf, "logo.zeb");
    ASSERT_EQ(Run("export " + zeb + " " + Path("out.png") + " --scale 250 --margin 6"), 0) << err;

    ExportOptions options;
    options.scale = 250;
    options.margin = 6;
    const ExportLogo logo = OpenExport(lf);
    ExportImage drawn;
    ASSERT_TRUE(DrawLogoImage(lf, logo, options, drawn));
    ExpectPng("out.png", drawn.px, drawn.w, drawn.h);

    // Other names, other formats; --format wins over the name.
    for (const auto& [name, type] : {std::pair{"out.gif", IMAGE_GIF},
                                     {"out.BMP", IMAGE_BMP},
                                     {"out.jpeg", IMAGE_JPG},
                                     {"out.tiff", IMAGE_TIF}}) {
        ASSERT_EQ(Run("export " + zeb + " " + Path(name)), 0) << name << err;
        Image img;
        EXPECT_TRUE(img.Decode(Bytes(name), type)) << name;
        EXPECT_EQ(img.w, logo.w) << name;
    }
    ASSERT_EQ(Run("export " + zeb + " " + Path("palette.img") + " --format png8"), 0) << err;
    EXPECT_EQ(Bytes("palette.img")[25], 3);  // PNG colour type 3: a palette
    ASSERT_EQ(Run("export " + zeb + " " + Path("clear.png") + " --transparent --margin 3"), 0)
        << err;
    PngImage png;
    ASSERT_TRUE(DecodePng(Bytes("clear.png"), png));
    EXPECT_TRUE(png.has_alpha);
    EXPECT_EQ(png.pixels[0] >> 24, 0u);  // the margin
}

TEST_F(ExportCommand, WritesTheSvgDocumentByNameOrByFormat) {
    LeFile lf = Logo();
    const std::string zeb = Save(lf, "logo.zeb");
    ASSERT_EQ(Run("export " + zeb + " " + Path("logo.SVG") + " --scale 150 --transparent"), 0)
        << err;
    ASSERT_EQ(Run("export " + zeb + " " + Path("named.png") + " --format svg --scale 150"), 0)
        << err;

    ExportOptions options;
    options.scale = 150;
    const ExportLogo logo = OpenExport(lf);
    std::string opaque;
    ASSERT_TRUE(DrawLogoSvg(lf, logo, options, opaque));
    const std::vector<std::uint8_t> named = Bytes("named.png");
    EXPECT_EQ(std::string(named.begin(), named.end()), opaque);
    options.transparent = true;
    std::string clear;
    ASSERT_TRUE(DrawLogoSvg(lf, logo, options, clear));
    const std::vector<std::uint8_t> by_name = Bytes("logo.SVG");
    EXPECT_EQ(std::string(by_name.begin(), by_name.end()), clear);
    EXPECT_NE(clear, opaque);  // no background rectangle

    // Written like every export: a folder in the way fails and leaves nothing.
    fs::create_directory(Path("folder.svg"));
    EXPECT_EQ(Run("export " + zeb + " " + Path("folder.svg")), 1);
    EXPECT_NE(err.find("File could not be saved: " + Path("folder.svg")), std::string::npos) << err;
}

TEST_F(ExportCommand, RefusalsSayWhyAndWriteNothing) {
    const std::string zeb = Save(Logo(), "logo.zeb");
    const std::string out = " " + Path("never.png");
    const struct {
        std::string args;
        int status;
        std::string message;
    } cases[] = {
        {zeb + " " + Path("never.webp"), 1, "cannot tell the image format"},
        {zeb + " " + Path("never.jpg") + " --transparent", 1,
         "JPEG cannot hold a transparent background"},
        {zeb + out + " --scale -5", 1, ""},
        {zeb + out + " --quality high", 1, ""},
        {zeb + out + " --format webp", 1, ""},
        {zeb + out + " --colour red", 1, ""},
        {zeb + out + " --scale", 1, ""},
        // Beyond 10000 % the scale is held at 10000 %, which is too large here.
        {zeb + out + " --scale 999999999999", 1, "The image would be"},
        {zeb, 2, ""},
        {Path("missing.zeb") + out, 1, "File could not be opened: " + Path("missing.zeb")},
        {Save(LeFile{}, "empty.zeb") + out, 1, "nothing to export"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Run("export " + c.args), c.status) << c.args;
        EXPECT_NE(err.find(c.message), std::string::npos) << c.args << "\n" << err;
    }
    EXPECT_FALSE(fs::exists(Path("never.png")));

    // A folder in the way: the save fails and leaves no temporary file beside it.
    fs::create_directory(Path("folder.png"));
    EXPECT_EQ(Run("export " + zeb + " " + Path("folder.png")), 1);
    EXPECT_NE(err.find("File could not be saved: " + Path("folder.png")), std::string::npos) << err;
    for (const auto& entry : fs::directory_iterator(Path("")))
        EXPECT_EQ(entry.path().filename().string().rfind("folder.png.", 0), std::string::npos)
            << entry.path();
}

// Several logos in one run: each file is what a run for it alone writes (the
// gradient's dither included); a logo that fails does not stop the others.
TEST_F(ExportCommand, ABatchWritesWhatSeparateRunsWrite) {
    LeFile gradient = Logo();
    gradient.obj[0]->lt.grad = 1;
    const std::string a = Save(gradient, "a.zeb");
    const std::string b = Save(Logo(), "b.zeb");
    ASSERT_EQ(Run("export " + a + " " + Path("a1.png")), 0) << err;
    ASSERT_EQ(Run("export " + b + " " + Path("b1.gif")), 0) << err;

    ASSERT_EQ(Run("export " + a + " " + Path("a2.png") + " " + b + " " + Path("b2.gif") + " " + a +
                  " " + Path("a3.png")),
              0)
        << err;
    EXPECT_EQ(Bytes("a2.png"), Bytes("a1.png"));
    EXPECT_EQ(Bytes("b2.gif"), Bytes("b1.gif"));
    EXPECT_EQ(Bytes("a3.png"), Bytes("a1.png"));  // dithered as by a fresh process

    std::ofstream(Path("list.txt")) << a << "\t" << Path("a4.png") << "\n\n"
                                    << Path("missing.zeb") << "\t" << Path("m.png") << "\n"
                                    << b << "\t" << Path("b3.png") << "\n";
    EXPECT_EQ(Run("export --list " + Path("list.txt")), 1);
    EXPECT_NE(err.find("File could not be opened: " + Path("missing.zeb")), std::string::npos)
        << err;
    EXPECT_EQ(Bytes("a4.png"), Bytes("a1.png"));
    EXPECT_TRUE(fs::exists(Path("b3.png")));
    EXPECT_FALSE(fs::exists(Path("m.png")));

    std::ofstream(Path("bad.txt")) << a << " " << Path("a5.png") << "\n";
    EXPECT_EQ(Run("export --list " + Path("bad.txt")), 1);
    EXPECT_NE(err.find("bad.txt:1: expected FILE.zeb<TAB>OUT"), std::string::npos) << err;
    EXPECT_EQ(Run("export " + a + " " + Path("a6.png") + " " + b), 2);  // an OUT is missing
    EXPECT_FALSE(fs::exists(Path("a6.png")));
}

TEST_F(ExportCommand, ALogoWithAPictureRefusesAnotherScale) {
    // A 2 x 2 picture beside the text, imported from a PNG of the folder.
    const std::uint32_t pixels[] = {0xFFFF0000u, 0xFF00FF00u, 0xFF0000FFu, 0xFFFFFFFFu};
    ASSERT_TRUE(WritePngFile(Path("pic.png"), pixels, 2, 2, PngChannels::RGBA));
    LeFile lf = Logo();
    lf.AddObj(test::BitmapObject(150, 0, 2, 2));
    lf.obj[2]->file = Path("pic.png");
    const std::string zeb = Save(lf, "picture.zeb");
    EXPECT_EQ(Run("export " + zeb + " " + Path("big.png") + " --scale 200"), 1);
    EXPECT_NE(err.find("exports at 100 % only"), std::string::npos) << err;
    EXPECT_FALSE(fs::exists(Path("big.png")));
    ASSERT_EQ(Run("export " + zeb + " " + Path("same.png") + " --scale 100"), 0) << err;
    PngImage png;
    ASSERT_TRUE(DecodePng(Bytes("same.png"), png));
    EXPECT_EQ(png.w, OpenExport(lf).w);
}

}  // namespace
}  // namespace vx
