// vexo-facenames: prints, for each font file, the name the program gives its
// face and what the data build needs to judge it, one tab-separated line a file:
//
//   file  name  glyphs  missing
//
// `name` is FreeType's family name, one blank and its style name, exactly as
// the program names the face when it loads it (fontconfig names some files
// differently). `missing` lists the characters a text face must have (printable
// ASCII, the accented letters and the typographic signs of code page 1252) that
// the face's character map lacks, as U+XXXX, or "-" when it has them all.
//
// Exit status 1 when a file cannot be opened as a face.

#include <ft2build.h>
#include FT_FREETYPE_H

#include <cstdio>
#include <string>

namespace {

// What a text face must have to set a logo's text: printable ASCII, the
// accented letters of code page 1252, and its typographic signs.
constexpr unsigned long ACCENTED[] = {
    0xC0, 0xC1, 0xC2, 0xC3,  0xC4,  0xC5,  0xC7,  0xC8,
    0xC9, 0xCA, 0xCB, 0xCC,  0xCD,  // À-Å Ç-Ì
    0xCE, 0xCF, 0xD1, 0xD2,  0xD3,  0xD4,  0xD5,  0xD6,
    0xD8, 0xD9, 0xDA, 0xDB,  0xDC,  // Î-Ï Ñ-Ö Ø-Ü
    0xDD, 0xE0, 0xE1, 0xE2,  0xE3,  0xE4,  0xE5,  0xE7,
    0xE8, 0xE9, 0xEA, 0xEB,  0xEC,  // Ý à-å ç-ì
    0xED, 0xEE, 0xEF, 0xF1,  0xF2,  0xF3,  0xF4,  0xF5,
    0xF6, 0xF8, 0xF9, 0xFA,  0xFB,                        // í-ï ñ-ö ø-û
    0xFC, 0xFD, 0xFF, 0x160, 0x161, 0x178, 0x17D, 0x17E,  // ü ý ÿ Š š Ÿ Ž ž
};
constexpr unsigned long SIGNS[] = {
    0x20AC, 0xA3,   0xA5,   0xA2,   0xA9, 0xAE, 0x2122,  // € £ ¥ ¢ © ® ™
    0x2018, 0x2019, 0x201C, 0x201D,                      // ‘ ’ “ ”
    0x2013, 0x2014, 0x2022, 0x2026, 0xB0,                // – — • … °
};

std::string MissingCharacters(FT_Face face) {
    std::string missing;
    auto need = [&](unsigned long c) {
        if (FT_Get_Char_Index(face, c) != 0) return;
        char buf[16];
        std::snprintf(buf, sizeof buf, "%sU+%04lX", missing.empty() ? "" : ",", c);
        missing += buf;
    };
    for (unsigned long c = 0x21; c <= 0x7E; ++c) need(c);
    for (unsigned long c : ACCENTED) need(c);
    for (unsigned long c : SIGNS) need(c);
    return missing.empty() ? "-" : missing;
}

}  // namespace

int main(int argc, char** argv) {
    FT_Library library = nullptr;
    if (FT_Init_FreeType(&library) != 0) {
        std::fprintf(stderr, "vexo-facenames: FreeType cannot start\n");
        return 1;
    }
    int status = 0;
    for (int i = 1; i < argc; ++i) {
        FT_Face face = nullptr;
        if (FT_New_Face(library, argv[i], 0, &face) != 0) {
            std::fprintf(stderr, "vexo-facenames: %s: not a font FreeType can open\n", argv[i]);
            status = 1;
            continue;
        }
        std::printf("%s\t%s %s\t%ld\t%s\n", argv[i], face->family_name ? face->family_name : "",
                    face->style_name ? face->style_name : "", face->num_glyphs,
                    MissingCharacters(face).c_str());
        FT_Done_Face(face);
    }
    FT_Done_FreeType(library);
    return status;
}
