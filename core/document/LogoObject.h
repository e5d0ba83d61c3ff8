#pragma once

// One object of a logo: a line of text, a library shape or an imported bitmap,
// with its parameters, its place and its renderer.
//
// The object owns its renderer `ft` and, for an imported bitmap, its pixels
// `cbm`; neither is copied by CopyParamsTo, so a copy renders or loads afresh.

#include <cstdint>
#include <string>
#include <vector>

#include "document/LogoParams.h"
#include "render/FtText.h"

namespace vx {

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
    int lib_index = 0;               // cached shape table position; never stored
    std::vector<std::uint32_t> cbm;  // bitmap pixels, alpha in the top byte; empty until loaded
    FtText ft;

    // Copies the parameters, file, place, size and kind into `target`; leaves
    // the target's pixels and renderer alone.
    void CopyParamsTo(LogoObject& target) const;

    // Renders a text or shape object ("ft.Render(lt,0,1)") and takes its size.
    int Update();
    // Paints the object with its centre at (x + dox, y + doy).
    int BltToBuf(std::uint32_t* dta, int szx, int szy, int dox, int doy);
    // Paints the object centred in the buffer.
    int BltToBufCnt(std::uint32_t* dta, int szx, int szy);
    // Paints an imported bitmap centred at (cx, cy), loading it first if needed.
    int BltCust(std::uint32_t* dta, int szx, int szy, int cx, int cy);
    // Decodes `file` into `cbm`, `w`, `h`. Returns 1 on success, 0 on failure
    // (the object is then unchanged). A success flag, not a status.
    int LoadCustomBitmap();
};

}  // namespace vx
