// Targa: colour-mapped, true-colour and grey pictures (types 1, 2, 3) and their
// run-length forms (9, 10, 11), in either origin. 16- and 32-bit true colour
// and 16-bit grey (grey, then alpha) carry an alpha plane; every other kind
// imports opaque.

#include "codecs/TgaDecoder.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "codecs/ByteReader.h"
#include "codecs/Image.h"
#include "codecs/ImageLimits.h"
#include "shell/Buffers.h"

namespace vx {

namespace {

constexpr const char* NOT_TGA = "Not a TGA";
constexpr const char* UNKNOWN_TYPE = "Unknown TGA image type";
constexpr const char* CORRUPTED = "corrupted TGA";
constexpr const char* CREATE_FAILED = "TGA Create failed";

struct TgaHeader {
    std::uint8_t id_length = 0;
    std::uint8_t map_type = 0;
    std::uint8_t type = 0;
    std::uint16_t map_first = 0;
    std::uint16_t map_length = 0;
    std::uint8_t map_bits = 0;
    std::uint16_t w = 0;
    std::uint16_t h = 0;
    std::uint8_t bits = 0;
    std::uint8_t descriptor = 0;
};

// A 15/16-bit (x1r5g5b5), 24-bit or 32-bit colour as 0x00RRGGBB.
std::uint32_t Colour(const std::uint8_t* p, int bytes) {
    if (bytes == 2) {
        const std::uint32_t v = p[0] | std::uint32_t{p[1]} << 8;
        const auto five = [](std::uint32_t c) { return (c << 3 | c >> 2) & 0xFF; };
        return five(v >> 10 & 31) << 16 | five(v >> 5 & 31) << 8 | five(v & 31);
    }
    return std::uint32_t{p[2]} << 16 | std::uint32_t{p[1]} << 8 | p[0];
}

// Unpacks run-length packets into `out` until it is full.
bool Unpack(ByteReader& in, std::size_t pixel_bytes, std::vector<std::uint8_t>& out) {
    std::size_t done = 0;
    while (done < out.size()) {
        const std::uint8_t head = in.U8();
        const std::size_t count = (head & 0x7Fu) + 1;
        const std::size_t n = std::min(count * pixel_bytes, out.size() - done);
        if (head & 0x80) {
            const std::span<const std::uint8_t> pixel = in.Bytes(pixel_bytes);
            if (!in.ok()) return false;
            for (std::size_t i = 0; i < n; ++i) out[done + i] = pixel[i % pixel_bytes];
        } else {
            const std::span<const std::uint8_t> run = in.Bytes(count * pixel_bytes);
            if (!in.ok()) return false;
            std::copy(run.begin(), run.begin() + static_cast<std::ptrdiff_t>(n),
                      out.begin() + done);
        }
        done += n;
    }
    return in.ok();
}

// Reads the colour map of a colour-mapped picture (its entry size checked by
// the caller); any other picture's map is skipped unread.
bool ReadColourMap(ByteReader& in, const TgaHeader& head, bool mapped, Image& img) {
    const int entry = (head.map_bits + 7) / 8;
    if (!mapped) {
        in.Skip(static_cast<std::size_t>(head.map_length) * static_cast<std::size_t>(entry));
        return in.ok();
    }
    for (int i = 0; i < head.map_length; ++i) {
        const std::span<const std::uint8_t> e = in.Bytes(static_cast<std::size_t>(entry));
        if (!in.ok()) return false;
        const int index = head.map_first + i;
        if (index < 256) img.palette[index] = Colour(e.data(), std::min(entry, 3));
    }
    return true;
}

}  // namespace

bool DecodeTga(std::span<const std::uint8_t> data, Image& img) {
    ByteReader in(data);
    TgaHeader head;
    head.id_length = in.U8();
    head.map_type = in.U8();
    head.type = in.U8();
    head.map_first = in.U16();
    head.map_length = in.U16();
    head.map_bits = in.U8();
    in.Skip(4);  // origin on screen
    head.w = in.U16();
    head.h = in.U16();
    head.bits = in.U8();
    head.descriptor = in.U8();
    if (!in.ok() || head.map_type > 1) return img.Fail(NOT_TGA);
    const int kind = head.type & ~8;  // 9, 10, 11 are 1, 2, 3 run-length encoded
    if (kind < 1 || kind > 3) return img.Fail(UNKNOWN_TYPE);

    const bool mapped = kind == 1;
    const bool valid_depth =
        mapped ? head.bits == 8 && head.map_type == 1 &&
                     (head.map_bits == 15 || head.map_bits == 16 || head.map_bits == 24 ||
                      head.map_bits == 32)
        : kind == 3 ? head.bits == 8 || head.bits == 16
                    : head.bits == 15 || head.bits == 16 || head.bits == 24 || head.bits == 32;
    if (!valid_depth || head.w == 0 || head.h == 0) return img.Fail(CORRUPTED);
    if (!ImageSizeAllowed(head.w, head.h)) return img.Fail(IMAGE_TOO_LARGE_TEXT);
    in.Skip(head.id_length);
    // Refuse a header that promises more pixels than the file can hold before
    // allocating: a run-length packet of 1 + pixel bytes gives at most 128.
    const std::size_t pixel_bytes = (head.bits + 7u) / 8;
    const std::size_t count = static_cast<std::size_t>(head.w) * head.h;
    const std::size_t need =
        head.type > 8 ? (count + 127) / 128 * (1 + pixel_bytes) : count * pixel_bytes;
    if (in.remaining() < need) return img.Fail(CORRUPTED);
    const bool grey = kind == 3;
    // 8-bit grey reads through a grey palette; grey with alpha is expanded.
    if (!img.Create(head.w, head.h, mapped || (grey && head.bits == 8), CREATE_FAILED))
        return false;
    if (head.map_type == 1 && !ReadColourMap(in, head, mapped, img)) return img.Fail(CORRUPTED);
    if (img.paletted && grey)
        for (std::uint32_t g = 0; g < 256; ++g) img.palette[g] = g << 16 | g << 8 | g;

    std::vector<std::uint8_t> unpacked;
    std::span<const std::uint8_t> src;
    if (head.type > 8) {
        if (!TryResize(unpacked, count * pixel_bytes)) return img.Fail(CREATE_FAILED);
        if (!Unpack(in, pixel_bytes, unpacked)) return img.Fail(CORRUPTED);
        src = unpacked;
    } else {
        src = in.Bytes(count * pixel_bytes);
        if (!in.ok()) return img.Fail(CORRUPTED);
    }

    const bool alpha = !img.paletted && (head.bits == 16 || head.bits == 32);
    if (alpha && !img.AddAlpha(CREATE_FAILED)) return false;
    const bool top_down = head.descriptor & 0x20;
    const bool right_to_left = head.descriptor & 0x10;
    bool any_alpha = false;
    const std::uint8_t* p = src.data();
    for (int r = 0; r < img.h; ++r) {
        const int y = top_down ? r : img.h - 1 - r;
        std::uint8_t* row = img.Row(y);
        for (int c = 0; c < img.w; ++c, p += pixel_bytes) {
            const int x = right_to_left ? img.w - 1 - c : c;
            if (img.paletted) {
                row[x] = p[0];
                continue;
            }
            img.SetBgr(row + 3 * x,
                       grey ? p[0] * 0x010101u
                            : Colour(p, pixel_bytes == 4 ? 3 : static_cast<int>(pixel_bytes)));
            if (!alpha) continue;
            const std::uint8_t a = pixel_bytes == 4 ? p[3] : grey ? p[1] : (p[1] & 0x80 ? 255 : 0);
            img.alpha[static_cast<std::size_t>(y) * img.w + x] = a;
            any_alpha |= a != 0;
        }
    }
    // Many writers leave the alpha bits zero; such a picture is meant opaque,
    // not invisible.
    if (alpha && !any_alpha) img.alpha.clear();
    return true;
}

}  // namespace vx
