#pragma once

// One object of a logo: a line of text, a library shape or an imported bitmap,
// with its parameters, its place and its renderer.
//
// The object owns its renderer `ft` and, for an imported bitmap, its pixels
// `cbm`; neither is copied by CopyParamsTo, so a copy renders or loads afresh.
// The renderer's type belongs to the render layer, which creates it on first
// use: the document and its users never see the font library.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "document/LogoParams.h"
#include "shell/FileStamp.h"

namespace vx {

// What the document knows of an object's renderer: that it owns one.
class ObjectRenderer {
public:
    virtual ~ObjectRenderer() = default;
};

enum ObjectType : int { TEXT_OBJECT = 0, SHAPE_OBJECT = 1, BITMAP_OBJECT = 2 };

class LogoObject {
public:
    LogoParams lt;
    std::string file;  // image file of a custom bitmap object
    int x = 0;         // centre relative to the logo centre, y down
    int y = 0;
    int w = 1;  // size of the last rendering, or of the loaded bitmap
    int h = 1;
    int type = TEXT_OBJECT;
    int lib_index = 0;                   // cached shape table position; never stored
    std::vector<std::uint32_t> cbm;      // bitmap pixels, alpha in the top byte; empty until loaded
    std::unique_ptr<ObjectRenderer> ft;  // null until first rendered
    // The state of `file` when it last failed to load: painting does not read
    // it again until it changes. Never copied.
    std::optional<FileStamp> failed_load;

    // Copies the parameters, file, place, size and kind into `target`; leaves
    // the target's pixels and renderer alone.
    void CopyParamsTo(LogoObject& target) const;

    // Rendering and painting, defined by the render layer.

    // Renders a text or shape object ("ft.Render(lt,0,1)") and takes its size.
    int Update();
    // Paints the object with its centre at (x + dox, y + doy).
    int BltToBuf(std::uint32_t* dta, int szx, int szy, int dox, int doy);
    // Paints the object centred in the buffer.
    int BltToBufCnt(std::uint32_t* dta, int szx, int szy);
    // Paints an imported bitmap centred at (cx, cy), loading it first if needed.
    int BltCust(std::uint32_t* dta, int szx, int szy, int cx, int cy);
    // Decodes `file` into `cbm`, `w`, `h`. Returns 1 on success, 0 on failure
    // (the object is then unchanged), also at once when the same file failed
    // before and has not changed since. A success flag, not a status.
    int LoadCustomBitmap();
};

// An object's box on the logo, in 64 bits: positions and sizes come from files.
struct ObjectBox {
    long long left, right, top, bottom;
};

inline ObjectBox BoxOf(const LogoObject& o) {
    const long long left = static_cast<long long>(o.x) - o.w / 2;
    const long long top = static_cast<long long>(o.y) - o.h / 2;
    return ObjectBox{left, left + o.w, top, top + o.h};
}

}  // namespace vx
