#pragma once

// FtText is the render engine of one logo object, and (through its static
// members) the program-wide font and symbol libraries it draws from.
//
// Libraries: InitFt indexes the symbol library and the text font libraries of
// the program folder, then the user's own fonts, at start-up: names, labels and
// categories come from each record's head and its font's `name` table, and a
// face is read, unscrambled and opened by FreeType when it is first used
// (FindFace, TextFont, the shape table). FreeFt releases everything at
// shutdown. Faces are looked up by name.
//
// Renderer: Render turns a parameter record into 8-bit coverage `cov` (and for
// effects the blurred coverage `eff` and the outline table `otab`); BltToBuf
// paints the last render into a 0x00RRGGBB pixel buffer. Painting never changes
// the renderer, so one render may be painted many times.
//
// Not thread-safe: faces carry per-face size and transform state, so renders run
// one at a time on the user-interface thread.

#include <ft2build.h>
#include FT_FREETYPE_H

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "document/LogoObject.h"
#include "document/LogoParams.h"
#include "render/EffectFilter.h"
#include "render/LibraryFile.h"

namespace vx {

constexpr int MAX_FONTS = 1060;  // faces of all libraries together
constexpr int MAX_SYMS = 10000;  // entries of the shape table
constexpr int MAX_GLYPHS = 500;  // glyphs of one object
constexpr int LIBRARY_MAGIC = 0x2D97;

// One face of the libraries. `face` is opened over `fdt`, which must outlive
// it, on first use; until then the font file stays in `file` at `at`.
struct FontData {
    FT_Face face = nullptr;
    std::string name;   // FreeType family + " " + style: the lookup name
    std::string label;  // stored ahead of the face in its library file
    std::vector<std::uint8_t> fdt;
    int cat = -1;  // -1 for symbol faces, else the text category
    std::shared_ptr<const LibraryBytes> file;
    LibraryEntry at;
    std::string path;      // its library file, or the user's own font file
    bool own = false;      // one of the user's own fonts
    bool refused = false;  // FreeType could not open it (reported once)
};

// One shape offered to image objects: a glyph of a symbol face.
struct SymEntry {
    std::string font;
    std::string label;
    int glyph = 0;
};

// One laid-out glyph: pen position (FreeType orientation during layout, buffer
// pixels after it) and the glyph's rotation in 16.16 fixed point.
struct GlyphPos {
    int index = 0;
    int x = 0;
    int y = 0;
    FT_Matrix matrix{0x10000, 0, 0, 0x10000};
};

class FtText : public ObjectRenderer {
public:
    // ---- Font and symbol libraries (program-wide) ----

    static int InitFt();
    static int FreeFt();
    static int ReadLib(int ncat, const std::string& path);
    // The user's own TrueType and OpenType files in `folder`, after the
    // libraries, each in the letter tab of its name. A file FreeType cannot
    // open, or a face of a name already loaded, is reported and skipped.
    static int ReadUserFonts(const std::string& folder);

    // The first face named `name` in load order (symbol faces first) that
    // FreeType opens, else the first text font it opens; nullptr without one.
    static FT_Face FindFace(const std::string& name);
    // Whether a face of that name is loaded (and not refused by FreeType).
    static bool HasFace(const std::string& name);
    static int TextFontCount() { return n_fonts - n_symfonts; }
    // Text font `nf` with its face opened (nullptr if FreeType refused it).
    static const FontData& TextFont(int nf);  // checked "nf<n_fonts"
    // Its name, label and category, without opening the face.
    static const FontData& TextFontEntry(int nf);  // checked "nf<n_fonts"
    // The shape table, built on first use.
    static int ShapeCount();
    static const SymEntry& Shape(int n);  // checked "n<syms"
    // Opens `fd`'s face if it is not open yet; nullptr when FreeType refuses it.
    static FT_Face OpenFace(FontData& fd);
    // Names `fd` from its font's tables, or else opens it and takes FreeType's
    // name; false when FreeType refuses it (reported).
    static bool NameFace(FontData& fd);

    static FT_Library library;
    // Every face in load order; `face` is set once the face has been used.
    static std::vector<FontData> fonts;
    static int n_fonts;
    static int n_symfonts;

    // ---- Renderer of one object ----

    // mode 0: exact pixel size; 1: shrink until the line height fits `size`;
    // 2: shrink until the line height and the widest advance fit. `effects` 1
    // prepares outline and shadow.
    int Render(const LogoParams& lt, int mode, int effects);

    // Paints the last render into `out` (bw x bh) in three layers: shadow, fill,
    // outline. With xcnt/ycnt the coverage centre goes to (box, boy), otherwise
    // the first glyph's pen origin does. Clips to the buffer.
    int BltToBuf(const LogoParams& lt, std::uint32_t* out, int bw, int bh, int box, int boy,
                 int xcnt, int ycnt) const;
    // The pictures of the font list, the shape selector and owner-drawn buttons:
    // `dta` becomes dw x dh pixels of `bgc` (or, with `chk`, a checkerboard) with
    // the object painted centred vertically and, horizontally, centred with
    // `xcnt` or with its pen origin at column `box`. The window layer shows it.
    int BltToDC(const LogoParams& lt, std::vector<std::uint32_t>& dta, int dw, int dh, int box,
                std::uint32_t bgc, bool xcnt = false, bool chk = false) const;
    // The library thumbnails: as BltToDC, plain `bgc`, centred both ways.
    int BltToBitmap(const LogoParams& lt, std::vector<std::uint32_t>& dta, int dw, int dh,
                    std::uint32_t bgc) const;

    // Whether the last render of `lt` has every buffer it should: a failed
    // allocation (already reported) leaves one missing, and the object would be
    // drawn incomplete.
    bool RenderComplete(const LogoParams& lt) const;

    int effects = 0;
    std::vector<std::uint8_t> cov;  // szx x szy coverage, 0 empty .. 255 covered
    int org_x = 0;                  // pen origin of the first glyph inside cov
    int org_y = 0;
    std::vector<std::uint8_t> eff;  // blurred coverage, szx x szy
    std::array<int, 256> otab{};    // outline response to blurred coverage
    StretchRange eff_range;         // the blurred range `eff` was stretched from
    int slen = 0;
    std::vector<GlyphPos> gp;
    FT_Face face = nullptr;  // borrowed from the libraries
    int szx = 0;
    int szy = 0;
    // Draws the object this many times larger, effects included: glyph sizes,
    // the line's pens, the bend radius, the effect margin and blur spread, and
    // the shadow distance. 1 except in scaled export.
    float scale = 1.0f;

private:
    static int PrepSymLib();
    static std::vector<SymEntry> sym;
    static int syms;
    static bool sym_ready;

    struct PixelSize {
        int w, h;
    };
    // Chooses the pixel size for `mode` from the nominal `size` and leaves the
    // size set in it; false when the face refused it.
    bool SetPixelSize(int mode, PixelSize& size);
    // A pixel length of the unscaled object at `scale`, at least 1.
    int ScaledLength(int v) const;
    // Lays out the glyphs along the pens measured at `size` (the size set for
    // the unscaled object) and sizes the buffer. The line ends before the
    // first glyph that fails a check (after its report) or would take the
    // object's box past 16384 pixels a side or 64 megapixels (quietly); false
    // when no glyph is left.
    bool PrepareStr(const LogoParams& lt, PixelSize size);
    // Rasterizes the laid-out glyphs into cov; false when cov cannot be had.
    bool RenderStr();
    // The result of a render that draws nothing: 10 x 10 empty coverage.
    void SetEmpty();
    int PrepareEffects(const LogoParams& lt);
    int Gradient(const LogoParams& lt, std::uint32_t* out, int bw, int bh, int box, int boy) const;
};

// The renderer an object owns, created on first use.
FtText& RendererOf(LogoObject& o);
// The renderer of the object's last render; null when it was never rendered.
const FtText* RendererOf(const LogoObject& o);

}  // namespace vx
