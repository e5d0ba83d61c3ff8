#include "support/TestFonts.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

#include "render/FtText.h"
#include "render/LibraryFile.h"
#include "shell/AtomicFile.h"
#include "shell/ProgramFolder.h"
#include "shell/ReadFile.h"

namespace vx::test {

namespace {

namespace fs = std::filesystem;

const char* const DEJAVU = "/usr/share/fonts/truetype/dejavu/";

LibraryRecord Record(const char* file) {
    LibraryRecord r{file, {}};
    const std::string path = std::string(DEJAVU) + file;
    if (!ReadWholeFile(path, 1 << 24, r.font))
        throw std::runtime_error("missing test font " + path);
    return r;
}

void WriteLibrary(const fs::path& path, const std::vector<LibraryRecord>& records) {
    fs::create_directories(path.parent_path());
    if (!WriteFileAtomically(path.string(), PackLibrary(records)))
        throw std::runtime_error("cannot write " + path.string());
}

}  // namespace

std::string WriteTestLibraries() {
    std::string pattern = (fs::temp_directory_path() / "vexo-fonts-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    const fs::path dir = pattern;
    WriteLibrary(dir / "basgl.bgd", {Record("DejaVuSansMono.ttf")});
    WriteLibrary(dir / "embedded" / "emb1.gld",
                 {Record("DejaVuSans.ttf"), Record("DejaVuSerif.ttf")});
    WriteLibrary(dir / "embedded" / "emb0.gld", {Record("DejaVuSans-Bold.ttf")});
    return dir.string();
}

std::string InstallTestFonts() {
    const std::string dir = WriteTestLibraries();
    ep = dir;
    FtText::InitFt();
    return dir;
}

void RemoveTestFonts(const std::string& folder) {
    FtText::FreeFt();
    std::error_code ec;
    fs::remove_all(folder, ec);
}

std::unique_ptr<LogoObject> TextObject(const std::string& str, const char* font, int size, int x,
                                       int y) {
    auto o = std::make_unique<LogoObject>();
    o->lt.str = str;
    o->lt.font = font;
    o->lt.size = size;
    o->x = x;
    o->y = y;
    return o;
}

std::unique_ptr<LogoObject> ShapeObject(int glyph, int width, int height, int x, int y) {
    auto o = TextObject(DEFAULT_TEXT, SYMBOLS, height, x, y);
    o->type = SHAPE_OBJECT;
    o->lt.shape = glyph;
    o->lt.width = width;
    return o;
}

std::unique_ptr<LogoObject> BitmapObject(int x, int y, int w, int h, std::uint32_t argb) {
    auto o = std::make_unique<LogoObject>();
    o->type = BITMAP_OBJECT;
    o->file = "picture.png";
    o->x = x;
    o->y = y;
    o->w = w;
    o->h = h;
    o->cbm.assign(static_cast<std::size_t>(w) * h, argb);
    return o;
}

}  // namespace vx::test
