#pragma once

// Font libraries for render tests and benchmarks, packed from Debian's DejaVu
// fonts (fonts-dejavu-core) into a temporary program folder:
//   symbol library   "DejaVu Sans Mono Book"
//   text category 0  "DejaVu Sans Book", "DejaVu Serif Book"
//   text category 1  "DejaVu Sans Bold"
// So the first text font, used for unknown face names, is DejaVu Sans.

#include <memory>
#include <string>

#include "document/LogoObject.h"

namespace vx::test {

inline constexpr const char* SANS = "DejaVu Sans Book";
inline constexpr const char* SERIF = "DejaVu Serif Book";
inline constexpr const char* SANS_BOLD = "DejaVu Sans Bold";
inline constexpr const char* SYMBOLS = "DejaVu Sans Mono Book";

// Creates a fresh temporary folder holding the three library files.
std::string WriteTestLibraries();
// Writes the libraries into a fresh temporary folder, points the program folder
// there and loads them with FtText::InitFt. Returns the folder.
std::string InstallTestFonts();
// FtText::FreeFt and removes the folder.
void RemoveTestFonts(const std::string& folder);

// A text object in `font` at (x, y).
std::unique_ptr<LogoObject> TextObject(const std::string& str, const char* font, int size, int x,
                                       int y);
// A shape object: glyph `glyph` of the symbol face, width x height, at (x, y).
std::unique_ptr<LogoObject> ShapeObject(int glyph, int width, int height, int x, int y);
// An imported picture, already loaded: w x h pixels of `argb` at (x, y).
std::unique_ptr<LogoObject> BitmapObject(int x, int y, int w, int h,
                                         std::uint32_t argb = 0xFF000000u);

}  // namespace vx::test
