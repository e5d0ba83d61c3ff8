// Windows bitmaps, 24 bits a pixel, bottom-up, with the 40-byte info header.

#include "codecs/BmpWriter.h"

#include <cstdint>
#include <limits>

#include "codecs/ImageLimits.h"
#include "codecs/ImageWriters.h"
#include "shell/Buffers.h"

namespace vx {

namespace {

void Put16(std::uint8_t*& p, std::uint32_t v) {
    *p++ = static_cast<std::uint8_t>(v);
    *p++ = static_cast<std::uint8_t>(v >> 8);
}
void Put32(std::uint8_t*& p, std::uint32_t v) {
    Put16(p, v & 0xFFFF);
    Put16(p, v >> 16);
}

}  // namespace

Result EncodeBmp24(const WritePixels& in, std::vector<std::uint8_t>& out) {
    out.clear();
    constexpr std::size_t HEADERS = 14 + 40;
    const std::size_t stride = (static_cast<std::size_t>(in.w) * 3 + 3) / 4 * 4;
    const std::size_t image = stride * static_cast<std::size_t>(in.h);
    if (image > std::numeric_limits<std::uint32_t>::max() - HEADERS)
        return Result::Failure("a BMP file cannot exceed 4 GB");
    if (!TryResize(out, HEADERS + image))
        return Result::Failure("not enough memory for the BMP file");
    std::uint8_t* p = out.data();
    *p++ = 'B', *p++ = 'M';
    Put32(p, static_cast<std::uint32_t>(out.size()));
    Put32(p, 0);  // reserved
    Put32(p, HEADERS);
    Put32(p, 40);
    Put32(p, static_cast<std::uint32_t>(in.w));
    Put32(p, static_cast<std::uint32_t>(in.h));  // positive: bottom-up
    Put16(p, 1);                                 // planes
    Put16(p, 24);
    Put32(p, 0);  // uncompressed
    Put32(p, static_cast<std::uint32_t>(image));
    Put32(p, 2835), Put32(p, 2835);  // 72 dots per inch
    Put32(p, 0), Put32(p, 0);        // no palette
    for (int y = in.h - 1; y >= 0; --y) {
        const std::uint32_t* src = in.px + static_cast<std::size_t>(y) * in.w;
        std::uint8_t* row = p;
        for (int x = 0; x < in.w; ++x) {
            *row++ = static_cast<std::uint8_t>(src[x]);
            *row++ = static_cast<std::uint8_t>(src[x] >> 8);
            *row++ = static_cast<std::uint8_t>(src[x] >> 16);
        }
        p += stride;  // padding bytes stay zero
    }
    return {};
}

}  // namespace vx
