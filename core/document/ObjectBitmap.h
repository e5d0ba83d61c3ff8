#pragma once

// The assembled logo and the current object alone, as the last canvas update
// left them. One for the whole program; the output window and the current-object
// view only display these buffers.

#include <cstdint>
#include <vector>

namespace vx {

struct ObjectBitmap {
    std::vector<std::uint32_t> dta;  // the logo canvas, dw x dh pixels 0x00RRGGBB
    int dw = 0;
    int dh = 0;
    std::vector<std::uint32_t> cdta;  // the current object, cdw x cdh pixels
    int cdw = 0;
    int cdh = 0;
};

}  // namespace vx
