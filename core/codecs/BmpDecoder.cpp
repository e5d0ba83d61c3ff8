// Windows and OS/2 bitmaps: 1, 4 and 8 bits with a palette, uncompressed or run
// length encoded, and 16, 24 and 32 bits, with or without bit-field masks,
// stored bottom-up or top-down. Bitmaps import opaque.

#include "codecs/BmpDecoder.h"

#include <algorithm>
#include <bit>
#include <cstdint>

#include "codecs/ByteReader.h"
#include "codecs/Dib.h"
#include "codecs/Image.h"
#include "codecs/ImageLimits.h"

namespace vx {

namespace {

constexpr const char* NOT_BMP = "Not a BMP";
constexpr const char* BAD_INFO = "Error reading BMP info";
constexpr const char* NOT_SUPPORTED = "compression type not supported";
constexpr const char* UNKNOWN = "unknown compression";
constexpr const char* NO_MEMORY = "can't allocate memory";
constexpr const char* ENDS_EARLY = "BMP pixel data ends early";

enum Compression : std::uint32_t { RGB = 0, RLE8 = 1, RLE4 = 2, BITFIELDS = 3 };

struct DibInfo {
    std::uint32_t header_size = 0;
    long long w = 0;
    long long h = 0;
    bool top_down = false;
    int bits = 0;
    std::uint32_t compression = RGB;
    std::uint32_t colours = 0;
    std::uint32_t masks[3] = {0, 0, 0};  // red, green, blue
    std::size_t palette_at = 0;
    int palette_entry = 4;  // bytes a palette entry: 3 in OS/2 core headers
};

bool IsWindowsHeader(std::uint32_t size) {
    return size == 40 || size == 52 || size == 56 || size == 108 || size == 124;
}

const char* ReadInfo(std::span<const std::uint8_t> file, std::size_t at, DibInfo& info) {
    ByteReader in(file);
    in.Seek(at);
    info.header_size = in.U32();
    if (info.header_size == 12) {  // OS/2 1.x core header
        info.w = in.U16();
        info.h = in.U16();
        in.U16();  // planes
        info.bits = in.U16();
        info.palette_entry = 3;
    } else if (info.header_size >= 16 && info.header_size <= 124) {
        info.w = in.I32();
        info.h = in.I32();
        in.U16();
        info.bits = in.U16();
        // Short OS/2 2.x headers end early; their missing fields are zero.
        if (info.header_size >= 20) info.compression = in.U32();
        if (info.header_size >= 36) {
            in.Seek(at + 32);
            info.colours = in.U32();
        }
    } else {
        return BAD_INFO;
    }
    if (!in.ok()) return BAD_INFO;
    info.palette_at = at + info.header_size;
    if (info.h < 0) {
        info.top_down = true;
        info.h = -info.h;
    }
    if (info.w <= 0 || info.h <= 0) return BAD_INFO;
    switch (info.bits) {
        case 1:
        case 4:
        case 8:
        case 16:
        case 24:
        case 32:
            break;
        default:
            return BAD_INFO;
    }
    // OS/2 2.x gives 3 and 4 other meanings (Huffman, 24-bit RLE): not read.
    if (!IsWindowsHeader(info.header_size) && info.compression > RLE4) return NOT_SUPPORTED;
    switch (info.compression) {
        case RGB:
            break;
        case RLE8:
            if (info.bits != 8) return NOT_SUPPORTED;
            break;
        case RLE4:
            if (info.bits != 4) return NOT_SUPPORTED;
            break;
        case BITFIELDS:
            if (info.bits != 16 && info.bits != 32) return NOT_SUPPORTED;
            break;
        case 4:
        case 5:
        case 6:
        case 11:
        case 12:
        case 13:
            return NOT_SUPPORTED;
        default:
            return UNKNOWN;
    }
    if (info.compression == BITFIELDS) {
        // Inside the longer headers, right after the 40-byte one: the same place.
        in.Seek(at + 40);
        for (std::uint32_t& m : info.masks) m = in.U32();
        if (!in.ok()) return BAD_INFO;
        if (info.header_size == 40) info.palette_at += 12;
    } else if (info.bits == 16) {
        info.masks[0] = 0x7C00, info.masks[1] = 0x03E0, info.masks[2] = 0x001F;
    } else if (info.bits == 32) {
        info.masks[0] = 0xFF0000, info.masks[1] = 0xFF00, info.masks[2] = 0xFF;
    }
    return nullptr;
}

// Entries read into the palette; a longer palette is skipped over.
std::size_t PaletteCount(const DibInfo& info) {
    if (info.bits > 8) return 0;
    return info.colours != 0 ? std::min<std::size_t>(info.colours, 256)
                             : std::size_t{1} << info.bits;
}

std::size_t PaletteEnd(const DibInfo& info) {
    const std::size_t stored =
        std::max<std::size_t>(PaletteCount(info), info.bits <= 8 ? info.colours : 0);
    return info.palette_at + stored * static_cast<std::size_t>(info.palette_entry);
}

bool ReadPalette(std::span<const std::uint8_t> file, const DibInfo& info, Image& img) {
    ByteReader in(file);
    in.Seek(info.palette_at);
    for (std::size_t i = 0; i < PaletteCount(info); ++i) {
        const std::span<const std::uint8_t> e =
            in.Bytes(static_cast<std::size_t>(info.palette_entry));
        if (!in.ok()) return false;
        img.palette[i] = std::uint32_t{e[2]} << 16 | std::uint32_t{e[1]} << 8 | e[0];
    }
    return true;
}

// Whether the file holds every row of uncompressed pixels from `at`; the
// last row may lack its padding.
bool RowsPresent(std::span<const std::uint8_t> file, std::size_t at, const DibInfo& info,
                 long long h) {
    const std::size_t bits = static_cast<std::size_t>(info.w) * static_cast<std::size_t>(info.bits);
    const std::size_t stride = (bits + 31) / 32 * 4;
    const std::size_t need = stride * static_cast<std::size_t>(h - 1) + (bits + 7) / 8;
    return at <= file.size() && file.size() - at >= need;
}

// One bit-field channel scaled to 8 bits.
struct Channel {
    int shift = 0;
    std::uint32_t max = 0;
    explicit Channel(std::uint32_t mask) {
        if (mask == 0) return;
        shift = std::countr_zero(mask);
        max = mask >> shift;
    }
    std::uint8_t operator()(std::uint32_t p) const {
        if (max == 0) return 0;
        const std::uint64_t v = (p >> shift) & max;
        return static_cast<std::uint8_t>((v * 255 + max / 2) / max);
    }
};

void UnpackRow(const std::uint8_t* src, const DibInfo& info, const Channel (&ch)[3],
               std::uint8_t* dst, int w) {
    switch (info.bits) {
        case 1:
            for (int x = 0; x < w; ++x) dst[x] = src[x >> 3] >> (7 - (x & 7)) & 1;
            break;
        case 4:
            for (int x = 0; x < w; ++x) dst[x] = src[x >> 1] >> (x & 1 ? 0 : 4) & 15;
            break;
        case 8:
            std::copy(src, src + w, dst);
            break;
        case 24:
            std::copy(src, src + 3 * static_cast<std::size_t>(w), dst);
            break;
        default:
            for (int x = 0; x < w; ++x, dst += 3) {
                std::uint32_t p = src[0] | std::uint32_t{src[1]} << 8;
                if (info.bits == 32) p |= std::uint32_t{src[2]} << 16 | std::uint32_t{src[3]} << 24;
                src += info.bits / 8;
                dst[0] = ch[2](p), dst[1] = ch[1](p), dst[2] = ch[0](p);
            }
    }
}

// Uncompressed rows, whose presence RowsPresent has checked.
void DecodeRows(std::span<const std::uint8_t> file, std::size_t at, const DibInfo& info,
                Image& img) {
    const std::size_t stride = (static_cast<std::size_t>(img.w) * info.bits + 31) / 32 * 4;
    const Channel ch[3] = {Channel(info.masks[0]), Channel(info.masks[1]), Channel(info.masks[2])};
    for (int r = 0; r < img.h; ++r) {
        const int y = info.top_down ? r : img.h - 1 - r;
        UnpackRow(file.data() + at + stride * r, info, ch, img.Row(y), img.w);
    }
}

// Run-length encoded 8- or 4-bit pixels; skipped pixels keep index 0. Runs
// beyond the right edge are clipped; data ending before the picture is
// complete refuses the file.
bool DecodeRle(std::span<const std::uint8_t> file, std::size_t at, const DibInfo& info,
               Image& img) {
    const bool four = info.compression == RLE4;
    ByteReader in(file);
    in.Seek(at);
    long long x = 0, y = 0;  // y counts stored rows
    const auto put = [&](long long count, auto index_at) {
        if (y < img.h) {
            std::uint8_t* row = img.Row(static_cast<int>(info.top_down ? y : img.h - 1 - y));
            for (long long i = 0; i < count && x + i < img.w; ++i)
                row[x + i] = static_cast<std::uint8_t>(index_at(i));
        }
        x += count;
    };
    while (y < img.h) {
        const std::uint8_t n = in.U8();
        const std::uint8_t v = in.U8();
        if (!in.ok()) return false;
        if (n > 0) {
            put(n, [&](long long i) { return four ? (i & 1 ? v & 15 : v >> 4) : v; });
            continue;
        }
        if (v == 0) {
            x = 0, ++y;
        } else if (v == 1) {
            return true;
        } else if (v == 2) {
            x += in.U8();
            y += in.U8();
            if (!in.ok()) return false;
        } else {
            const std::size_t bytes = four ? (v + 1u) / 2 : v;
            const std::span<const std::uint8_t> run = in.Bytes(bytes);
            if (!in.ok()) return false;
            put(v, [&](long long i) { return four ? run[i / 2] >> (i & 1 ? 0 : 4) & 15 : run[i]; });
            if (bytes & 1) in.Skip(1);  // runs are padded to 16 bits
        }
    }
    return true;
}

}  // namespace

bool DecodeDib(std::span<const std::uint8_t> file, std::size_t header, std::size_t pixels,
               Image& img) {
    DibInfo info;
    if (const char* why = ReadInfo(file, header, info)) return img.Fail(why);
    const bool icon = pixels == SIZE_MAX;
    const long long h = icon ? info.h / 2 : info.h;
    if (h <= 0) return img.Fail(BAD_INFO);
    if (!ImageSizeAllowed(info.w, h)) return img.Fail(IMAGE_TOO_LARGE_TEXT);
    const std::size_t at = icon ? PaletteEnd(info) : pixels;
    const bool rle = info.compression == RLE8 || info.compression == RLE4;
    // A header that promises more pixels than the file holds is refused
    // before the picture is allocated.
    if (!rle && !RowsPresent(file, at, info, h)) return img.Fail(ENDS_EARLY);
    if (!img.Create(info.w, h, info.bits <= 8, NO_MEMORY)) return false;
    if (img.paletted && !ReadPalette(file, info, img)) return img.Fail(BAD_INFO);
    if (!rle) {
        DecodeRows(file, at, info, img);
        return true;
    }
    return DecodeRle(file, at, info, img) || img.Fail(ENDS_EARLY);
}

bool DecodeBmp(std::span<const std::uint8_t> data, Image& img) {
    ByteReader in(data);
    if (in.U8() != 'B' || in.U8() != 'M') return img.Fail(NOT_BMP);
    in.Skip(8);  // file size, reserved
    const std::uint32_t pixels = in.U32();
    if (!in.ok()) return img.Fail(BAD_INFO);
    return DecodeDib(data, 14, pixels, img);
}

}  // namespace vx
