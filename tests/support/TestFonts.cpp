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

// Packs the DejaVu `files` into the library at `path`, each labelled with its file name.
void WriteLibrary(const fs::path& path, std::initializer_list<const char*> files) {
    std::vector<LibraryRecord> records;
    for (const char* file : files) {
        records.push_back({file, {}});
        const std::string font = std::string(DEJAVU) + file;
        if (!ReadWholeFile(font, 1 << 24, records.back().font))
            throw std::runtime_error("missing test font " + font);
    }
    fs::create_directories(path.parent_path());
    if (!WriteFileAtomically(path.string(), PackLibrary(records)))
        throw std::runtime_error("cannot write " + path.string());
}

}  // namespace

std::string WriteTestLibraries() {
    std::string pattern = (fs::temp_directory_path() / "vexo-fonts-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    const fs::path dir = pattern;
    WriteLibrary(dir / "basgl.bgd", {"DejaVuSansMono.ttf"});
    WriteLibrary(dir / "embedded" / "emb1.gld", {"DejaVuSans.ttf", "DejaVuSerif.ttf"});
    WriteLibrary(dir / "embedded" / "emb0.gld", {"DejaVuSans-Bold.ttf"});
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
