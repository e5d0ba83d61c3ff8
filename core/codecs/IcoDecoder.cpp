// Windows icons: the first image of the directory, a bitmap or (in modern
// icons) a PNG. Icons import opaque: the mask and any alpha are not used.

#include "codecs/IcoDecoder.h"

#include <algorithm>
#include <cstdint>

#include "codecs/ByteReader.h"
#include "codecs/Dib.h"
#include "codecs/Image.h"
#include "codecs/PngDecoder.h"

namespace vx {

bool DecodeIco(std::span<const std::uint8_t> data, Image& img) {
    ByteReader in(data);
    const std::uint16_t reserved = in.U16();
    const std::uint16_t type = in.U16();  // 1 icon, 2 cursor
    const std::uint16_t count = in.U16();
    if (!in.ok() || reserved != 0 || (type != 1 && type != 2) || count == 0)
        return img.Fail("Not an ICO");
    in.Skip(8);  // size, colours, planes, bit count: the image's own header says
    const std::uint32_t size = in.U32();
    const std::uint32_t offset = in.U32();
    if (!in.ok() || offset > data.size() || size > data.size() - offset)
        return img.Fail("corrupted ICO");
    const std::span<const std::uint8_t> entry = data.subspan(offset, size);
    static constexpr std::uint8_t PNG_SIGNATURE[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (entry.size() >= 8 && std::equal(entry.begin(), entry.begin() + 8, PNG_SIGNATURE)) {
        if (!DecodePngImage(entry, img)) return false;
        img.alpha.clear();
        return true;
    }
    return DecodeDib(entry, 0, SIZE_MAX, img);
}

}  // namespace vx
