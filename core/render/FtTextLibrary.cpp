// The program-wide font and symbol libraries of FtText: indexing the library
// files, opening faces on first use, the shape table, lookup and release.

#include <algorithm>
#include <filesystem>

#include "render/FontFile.h"
#include "render/FtText.h"
#include "render/LibraryFile.h"
#include "render/SfntName.h"
#include "render/SymbolExclusions.h"
#include "render/UserFonts.h"
#include "shell/Buffers.h"
#include "shell/Checked.h"
#include "shell/EndProgram.h"
#include "shell/Messages.h"
#include "shell/ProgramFolder.h"

namespace vx {

FT_Library FtText::library = nullptr;
std::vector<FontData> FtText::fonts;
int FtText::n_fonts = 0;
int FtText::n_symfonts = 0;
std::vector<SymEntry> FtText::sym;
int FtText::syms = 0;
bool FtText::sym_ready = false;

namespace {

// Text libraries beyond the two first files: one per letter tab of the text bar.
constexpr int FIRST_EXTRA_CATEGORY = 2;
constexpr int LAST_CATEGORY = 10;

const FontData NO_FONT;
const SymEntry NO_SHAPE;

// Appends the record at `at` of `file`; one that FreeType refuses is left out.
void AddFace(int ncat, const std::string& path, const std::shared_ptr<const LibraryBytes>& file,
             LibraryEntry at) {
    FontData fd;
    fd.file = file;
    fd.label = std::move(at.label);
    fd.cat = ncat;
    fd.at = at;
    fd.path = path;
    if (!FtText::NameFace(fd)) return;
    // An open face points into fdt's heap block, which moving the vector keeps.
    FtText::fonts.push_back(std::move(fd));
    ++FtText::n_fonts;
}

}  // namespace

int FtText::InitFt() {
    VX_CHECK(n_fonts == 0, "n_fonts==0");
    fonts.reserve(MAX_FONTS);
    sym.clear();
    syms = 0;
    sym_ready = false;  // built for these faces when first asked for
    VX_CALL(FT_Init_FreeType(&library), "FT_Init_FreeType(&library)");
    VX_CALL(ReadLib(-1, ProgramPath("\\basgl.bgd")), "ReadLib(-1,ep+\"\\\\basgl.bgd\")");
    n_symfonts = n_fonts;
    int ncat = 0;
    VX_CALL(ReadLib(ncat++, ProgramPath("\\embedded\\emb1.gld")),
            "ReadLib(ncat++,ep+\"\\\\embedded\\\\emb1.gld\")");
    VX_CALL(ReadLib(ncat++, ProgramPath("\\embedded\\emb0.gld")),
            "ReadLib(ncat++,ep+\"\\\\embedded\\\\emb0.gld\")");
    for (int cat = FIRST_EXTRA_CATEGORY; cat <= LAST_CATEGORY; ++cat) {
        const std::string path = ProgramPath("\\embedded\\emb" + std::to_string(cat) + ".gld");
        std::error_code ec;
        if (std::filesystem::exists(path, ec)) VX_CALL(ReadLib(cat, path), "ReadLib(cat,path)");
    }
    VX_CALL(ReadUserFonts(UserFontFolder()), "ReadUserFonts(UserFontFolder())");
    return 0;
}

int FtText::ReadLib(int ncat, const std::string& path) {
    auto file = std::make_shared<FontFile>();
    if (!file->Open(path, true)) {
        const std::string expr = "open:" + path;
        VX_CHECK(false, expr.c_str());
        return 0;
    }
    std::vector<LibraryEntry> entries;
    const LibraryStatus status = IndexLibrary(*file, entries);
    if (status == LibraryStatus::BAD_MAGIC) {
        ShowMessage(MSG_CORRUPT_INSTALL);
        EndProgram(0);
    }
    VX_CHECK(status != LibraryStatus::BAD_COUNT, "count>=0&&count<=remaining/5");
    // The table has a fixed capacity: a library beyond it is refused once, and
    // only the faces that fit are taken.
    const std::size_t room = static_cast<std::size_t>(MAX_FONTS - n_fonts);
    VX_CHECK(entries.size() <= room, "n_fonts+count<=MAX_FONTS");
    if (entries.size() > room) entries.resize(room);
    for (LibraryEntry& e : entries) AddFace(ncat, path, file, std::move(e));
    VX_CHECK(status != LibraryStatus::READ_FAILED, "inf.Read(dta,infl)==infl");
    if (status == LibraryStatus::OUT_OF_MEMORY) VX_OUT_OF_MEMORY();
    VX_CHECK(status != LibraryStatus::BAD_RECORD_HEAD, "iar>>label>>ffl");
    VX_CHECK(status != LibraryStatus::BAD_RECORD_BODY, "iar.Read(fd->fdt,ffl)==ffl");
    return 0;
}

bool FtText::NameFace(FontData& fd) {
    const FontReader read = [&fd](std::size_t offset, std::size_t n, std::uint8_t* out) {
        return fd.file->Read(fd.at.offset + offset, n, out);
    };
    if (std::optional<std::string> name = SfntFaceName(read, fd.at.length)) {
        fd.name = std::move(*name);
        return true;
    }
    if (OpenFace(fd) == nullptr) return false;
    fd.name = std::string(fd.face->family_name ? fd.face->family_name : "") + " " +
              (fd.face->style_name ? fd.face->style_name : "");
    return true;
}

FT_Face FtText::OpenFace(FontData& fd) {
    if (fd.face != nullptr || fd.refused) return fd.face;
    fd.refused = true;  // until it opens: each failure is reported once
    if (!AllocBuffer(fd.fdt, fd.at.length)) return nullptr;
    const bool read = fd.file->Read(fd.at.offset, fd.fdt.size(), fd.fdt.data());
    const auto ffl = static_cast<FT_Long>(fd.fdt.size());
    FT_Error error = 0;
    if (fd.own) {
        // The user's own file: a message, not a fault of the program.
        if (read) error = FT_New_Memory_Face(library, fd.fdt.data(), ffl, 0, &fd.face);
        if (!read || error != 0) ShowMessage(MSG_FONT_NOT_OPENED + fd.path);
    } else {
        VX_CHECK(read, "iar.Read(fd->fdt,ffl)==ffl");
        if (read)
            VX_CALL(error = FT_New_Memory_Face(library, fd.fdt.data(), ffl, 0, &fd.face),
                    "FT_New_Memory_Face(library,fd->fdt,ffl,0,&fd->face)");
    }
    if (!read || error != 0) {
        fd.face = nullptr;
        fd.fdt = std::vector<std::uint8_t>();
        return nullptr;
    }
    fd.refused = false;
    return fd.face;
}

int FtText::PrepSymLib() {
    for (int ngl = 1;; ++ngl) {
        bool any = false;
        for (int n = 0; n < n_symfonts; ++n) {
            FT_Face face = OpenFace(fonts[n]);
            if (face == nullptr || face->num_glyphs <= ngl) continue;
            any = true;
            if (IsExcludedSymbolGlyph(fonts[n].name, ngl)) continue;
            FT_Error error = 0;
            VX_CALL(error = FT_Set_Pixel_Sizes(face, 48, 0), "FT_Set_Pixel_Sizes(face,48,0)");
            if (error != 0) continue;
            VX_CALL(error = FT_Load_Glyph(face, static_cast<FT_UInt>(ngl), FT_LOAD_DEFAULT),
                    "FT_Load_Glyph(face,ngl,FT_LOAD_DEFAULT)");
            if (error != 0) continue;
            const FT_Glyph_Metrics& m = face->glyph->metrics;
            if (m.width == 0 || m.height == 0) continue;  // a space: nothing to show
            VX_CHECK(syms < MAX_SYMS, "syms<MAX_SYMS");
            if (syms >= MAX_SYMS) return 0;
            sym.push_back(SymEntry{fonts[n].name, fonts[n].label, ngl});
            ++syms;
        }
        if (!any) break;
    }
    return 0;
}

int FtText::ShapeCount() {
    if (!sym_ready) {
        sym_ready = true;
        VX_CALL(PrepSymLib(), "PrepSymLib()");
    }
    return syms;
}

int FtText::FreeFt() {
    for (int n = 0; n < n_fonts; ++n) {
        if (fonts[n].face == nullptr) continue;  // never used
        VX_CALL(FT_Done_Face(fonts[n].face), "FT_Done_Face(fonts[n].face)");
        fonts[n].face = nullptr;
        fonts[n].fdt = std::vector<std::uint8_t>();  // only after its face is gone
    }
    if (library) VX_CALL(FT_Done_FreeType(library), "FT_Done_FreeType(library)");
    library = nullptr;
    // Empty tables, so that nothing can reach a released face.
    fonts.clear();
    sym.clear();
    n_fonts = n_symfonts = syms = 0;
    sym_ready = false;
    return 0;
}

FT_Face FtText::FindFace(const std::string& name) {
    for (int n = 0; n < n_fonts; ++n)
        if (fonts[n].name == name)
            if (FT_Face face = OpenFace(fonts[n])) return face;
    for (int n = n_symfonts; n < n_fonts; ++n)
        if (FT_Face face = OpenFace(fonts[n])) return face;
    return nullptr;
}

bool FtText::HasFace(const std::string& name) {
    return std::any_of(fonts.begin(), fonts.end(),
                       [&name](const FontData& fd) { return fd.name == name && !fd.refused; });
}

const FontData& FtText::TextFontEntry(int nf) {
    const bool valid = nf >= 0 && n_symfonts + nf < n_fonts;
    VX_CHECK(valid, "nf<n_fonts");
    return valid ? fonts[n_symfonts + nf] : NO_FONT;
}

const FontData& FtText::TextFont(int nf) {
    const FontData& entry = TextFontEntry(nf);
    if (&entry != &NO_FONT) OpenFace(fonts[n_symfonts + nf]);
    return entry;
}

const SymEntry& FtText::Shape(int n) {
    const bool valid = n >= 0 && n < ShapeCount();
    VX_CHECK(valid, "n<syms");
    return valid ? sym[n] : NO_SHAPE;
}

}  // namespace vx
