// Writes the seed corpora: small files of every kind and variant each reader
// accepts. Run from the release build: make_fuzz_seeds fuzz/corpus

#include <png.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "document/ProjectFile.h"
#include "render/LibraryFile.h"
#include "support/Documents.h"
#include "support/SampleImages.h"

namespace {

namespace fs = std::filesystem;
using vx::test::Bytes;

void Write(const fs::path& dir, const std::string& name, const Bytes& bytes) {
    fs::create_directories(dir);
    std::ofstream(dir / name, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

}  // namespace

int main(int argc, char** argv) {
    using namespace vx::test;
    if (argc != 2) return 2;
    const fs::path root = argv[1];
    for (const BmpSpec& s : {BmpSpec{12, 8},
                             {40, 1},
                             {40, 4, 2},
                             {40, 8, 1},
                             {40, 24, 0, true},
                             {40, 16, 3},
                             {108, 32, 3},
                             {64, 4}})
        Write(root / "bmp",
              "h" + std::to_string(s.header) + "_b" + std::to_string(s.bits) + "_c" +
                  std::to_string(s.compression) + ".bmp",
              MakeBmp(s));
    GifSpec gif;
    Write(root / "gif", "plain.gif", MakeGif(gif));
    gif.interlaced = gif.local_table = gif.transparent = gif.second_image = true;
    Write(root / "gif", "interlaced_local.gif", MakeGif(gif));
    for (int kind = 0; kind < 4; ++kind)
        Write(root / "jpg", "kind" + std::to_string(kind) + ".jpg", MakeJpeg(kind));
    Write(root / "png", "rgba.png", MakePng(PNG_COLOR_TYPE_RGB_ALPHA, 8));
    Write(root / "png", "palette_trns.png", MakePng(PNG_COLOR_TYPE_PALETTE, 2, false, true));
    Write(root / "png", "grey16_interlaced.png", MakePng(PNG_COLOR_TYPE_GRAY_ALPHA, 16, true));
    for (int kind = 0; kind < 3; ++kind)
        Write(root / "ico", "kind" + std::to_string(kind) + ".ico", MakeIco(kind));
    for (const TiffKind kind : {TiffKind::RGB, TiffKind::PALETTE, TiffKind::GREY, TiffKind::RGBA,
                                TiffKind::TWO_PAGES, TiffKind::TILED})
        Write(root / "tif", "kind" + std::to_string(static_cast<int>(kind)) + ".tif",
              MakeTiff(kind));
    for (const TgaSpec& s :
         {TgaSpec{1, 8}, {2, 16, true}, {3, 8, false, true}, {9, 8}, {10, 32}, {11, 8}})
        Write(root / "tga", "t" + std::to_string(s.type) + "_b" + std::to_string(s.bits) + ".tga",
              MakeTga(s));
    for (int n : {0, 1, 3})
        Write(root / "project", "objects" + std::to_string(n) + ".zeb",
              vx::EncodeProject(MakeVariedDocument(n)));
    Write(root / "project", "version0.zeb", vx::EncodeProject(MakeVariedDocument(2), 0));
    Bytes library = vx::PackLibrary({{"Face One", Bytes(40, 7)}, {"Face Two", Bytes(3, 1)}});
    vx::UnscrambleLibrary(library);
    Write(root / "library", "two_records.bin", library);
    return 0;
}
