// The program-wide font and symbol libraries of FtText: loading, the shape
// table, lookup and release.

#include <filesystem>

#include "render/FtText.h"
#include "render/LibraryFile.h"
#include "render/SymbolExclusions.h"
#include "shell/Buffers.h"
#include "shell/Checked.h"
#include "shell/EndProgram.h"
#include "shell/Messages.h"
#include "shell/ProgramFolder.h"
#include "shell/ReadFile.h"

namespace vx {

FT_Library FtText::library = nullptr;
std::vector<FontData> FtText::fonts;
int FtText::n_fonts = 0;
int FtText::n_symfonts = 0;
std::vector<SymEntry> FtText::sym;
int FtText::syms = 0;

namespace {

// Library files hold a few hundred fonts; far below this.
constexpr std::size_t MAX_LIBRARY_BYTES = std::size_t{1} << 30;

// Text libraries beyond the two first files: one per letter tab of the text bar.
constexpr int FIRST_EXTRA_CATEGORY = 2;
constexpr int LAST_CATEGORY = 10;

const FontData NO_FONT;
const SymEntry NO_SHAPE;

// Opens `bytes` as a face and appends it to the table. On failure (reported)
// nothing is added, so every table entry has a face.
void AddFace(int ncat, std::string label, std::span<const std::uint8_t> bytes) {
    FontData fd;
    if (!AllocBuffer(fd.fdt, bytes.size())) return;
    std::copy(bytes.begin(), bytes.end(), fd.fdt.begin());
    const auto ffl = static_cast<FT_Long>(fd.fdt.size());
    FT_Error error = 0;
    VX_CALL(error = FT_New_Memory_Face(FtText::library, fd.fdt.data(), ffl, 0, &fd.face),
            "FT_New_Memory_Face(library,fd->fdt,ffl,0,&fd->face)");
    if (error != 0) return;
    fd.name = std::string(fd.face->family_name ? fd.face->family_name : "") + " " +
              (fd.face->style_name ? fd.face->style_name : "");
    fd.label = std::move(label);
    fd.cat = ncat;
    // The face points into fdt's heap block, which moving the vector keeps.
    FtText::fonts.push_back(std::move(fd));
    ++FtText::n_fonts;
}

}  // namespace

int FtText::InitFt() {
    VX_CHECK(n_fonts == 0, "n_fonts==0");
    fonts.reserve(MAX_FONTS);
    VX_CALL(FT_Init_FreeType(&library), "FT_Init_FreeType(&library)");
    VX_CALL(ReadLib(-1, ProgramPath("\\basgl.bgd")), "ReadLib(-1,ep+\"\\\\basgl.bgd\")");
    n_symfonts = n_fonts;
    VX_CALL(PrepSymLib(), "PrepSymLib()");
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
    return 0;
}

int FtText::ReadLib(int ncat, const std::string& path) {
    std::vector<std::uint8_t> dta;
    if (!ReadWholeFile(path, MAX_LIBRARY_BYTES, dta)) {
        const std::string expr = "open:" + path;
        VX_CHECK(false, expr.c_str());
        return 0;
    }
    UnscrambleLibrary(dta);

    std::vector<LibraryRecordView> records;
    const LibraryStatus status = ParseLibrary(dta, records);
    if (status == LibraryStatus::BAD_MAGIC) {
        ShowMessage(MSG_CORRUPT_INSTALL);
        EndProgram(0);
    }
    VX_CHECK(status != LibraryStatus::BAD_COUNT, "count>=0&&count<=remaining/5");
    // The table has a fixed capacity: a library beyond it is refused once, and
    // only the faces that fit are opened.
    const std::size_t room = static_cast<std::size_t>(MAX_FONTS - n_fonts);
    VX_CHECK(records.size() <= room, "n_fonts+count<=MAX_FONTS");
    if (records.size() > room) records.resize(room);
    for (LibraryRecordView& r : records) AddFace(ncat, std::move(r.label), r.font);
    VX_CHECK(status != LibraryStatus::BAD_RECORD_HEAD, "iar>>label>>ffl");
    VX_CHECK(status != LibraryStatus::BAD_RECORD_BODY, "iar.Read(fd->fdt,ffl)==ffl");
    return 0;
}

int FtText::PrepSymLib() {
    for (int ngl = 1;; ++ngl) {
        bool any = false;
        for (int n = 0; n < n_symfonts; ++n) {
            FT_Face face = fonts[n].face;
            if (face->num_glyphs <= ngl) continue;
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

int FtText::FreeFt() {
    for (int n = 0; n < n_fonts; ++n) {
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
    return 0;
}

FT_Face FtText::FindFace(const std::string& name) {
    for (int n = 0; n < n_fonts; ++n)
        if (fonts[n].name == name) return fonts[n].face;
    return n_symfonts < n_fonts ? fonts[n_symfonts].face : nullptr;
}

const FontData& FtText::TextFont(int nf) {
    const bool valid = nf >= 0 && n_symfonts + nf < n_fonts;
    VX_CHECK(valid, "nf<n_fonts");
    return valid ? fonts[n_symfonts + nf] : NO_FONT;
}

const SymEntry& FtText::Shape(int n) {
    const bool valid = n >= 0 && n < syms;
    VX_CHECK(valid, "n<syms");
    return valid ? sym[n] : NO_SHAPE;
}

}  // namespace vx
