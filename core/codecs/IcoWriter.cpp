// Icon files: a 6-byte header, a 16-byte directory entry per picture, then the
// pictures. A bitmap entry is a 40-byte info header whose height counts the
// colour rows and the mask rows together, the BGRA rows bottom-up, and the
// one-bit mask (set where the pixel is fully transparent), rows padded to 32 bits.

#include "codecs/IcoWriter.h"

#include "codecs/PngWriter.h"

namespace vx {

namespace {

constexpr int ICO_MAX_SIZE = 256;
constexpr std::uint32_t ICO_HEADER_BYTES = 6;
constexpr std::uint32_t ICO_ENTRY_BYTES = 16;
constexpr std::uint32_t DIB_HEADER_BYTES = 40;

void Put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}
void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

void EncodeBitmapEntry(const IcoPicture& picture, std::vector<std::uint8_t>& out) {
    const auto n = static_cast<std::uint32_t>(picture.size);
    const std::uint32_t mask_row = (n + 31) / 32 * 4;
    Put32(out, DIB_HEADER_BYTES);
    Put32(out, n);
    Put32(out, n * 2);  // colour rows and mask rows
    Put16(out, 1);      // planes
    Put16(out, 32);     // bits per pixel
    Put32(out, 0);      // no compression
    Put32(out, n * n * 4 + mask_row * n);
    for (int i = 0; i < 4; ++i) Put32(out, 0);  // resolution, palette
    for (int y = picture.size - 1; y >= 0; --y)
        for (int x = 0; x < picture.size; ++x) Put32(out, picture.px[y * picture.size + x]);
    for (int y = picture.size - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(mask_row, 0);
        for (int x = 0; x < picture.size; ++x)
            if (picture.px[y * picture.size + x] >> 24 == 0)
                row[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
        out.insert(out.end(), row.begin(), row.end());
    }
}

}  // namespace

Result EncodeIco(std::span<const IcoPicture> pictures, std::vector<std::uint8_t>& out) {
    out.clear();
    if (pictures.empty() || pictures.size() > 0xFFFF) return Result::Failure("no icon pictures");
    std::vector<std::vector<std::uint8_t>> entries(pictures.size());
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        const IcoPicture& picture = pictures[i];
        if (!picture.px || picture.size < 1 || picture.size > ICO_MAX_SIZE)
            return Result::Failure("icon pictures must be 1 to 256 pixels square");
        if (picture.format == IcoEntryFormat::BMP) {
            EncodeBitmapEntry(picture, entries[i]);
        } else if (Result png = EncodePng(picture.px, picture.size, picture.size, PngChannels::RGBA,
                                          entries[i]);
                   !png) {
            return png;
        }
    }
    Put16(out, 0);  // reserved
    Put16(out, 1);  // icon
    Put16(out, static_cast<std::uint32_t>(pictures.size()));
    auto offset = ICO_HEADER_BYTES + ICO_ENTRY_BYTES * static_cast<std::uint32_t>(pictures.size());
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        const auto side = static_cast<std::uint8_t>(pictures[i].size % ICO_MAX_SIZE);  // 0 is 256
        out.push_back(side);
        out.push_back(side);
        out.push_back(0);  // no palette
        out.push_back(0);  // reserved
        Put16(out, 1);     // planes
        Put16(out, 32);    // bits per pixel
        Put32(out, static_cast<std::uint32_t>(entries[i].size()));
        Put32(out, offset);
        offset += static_cast<std::uint32_t>(entries[i].size());
    }
    for (const auto& entry : entries) out.insert(out.end(), entry.begin(), entry.end());
    return {};
}

}  // namespace vx
