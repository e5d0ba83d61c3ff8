// GIF: the first image of the file, LZW decoded, interlaced or not, with its
// local colour table or else the global one. Transparency is not imported: the
// transparent colour shows.

#include "codecs/GifDecoder.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <new>
#include <vector>

#include "codecs/ByteReader.h"
#include "codecs/Image.h"
#include "codecs/ImageLimits.h"

namespace vx {

namespace {

constexpr const char* NOT_GIF = "Not a GIF";
constexpr const char* CORRUPTED = "corrupted GIF";
constexpr const char* NO_IMAGE = "GIF holds no image";
constexpr const char* NO_MEMORY = "can't allocate memory";
constexpr int MAX_MIN_CODE_SIZE = 11;

// The LZW data: a chain of length-prefixed sub-blocks, read as one bit stream,
// least significant bit first.
class SubBlockBits {
public:
    explicit SubBlockBits(ByteReader& in) : in_(in) {}

    // The next `size`-bit code, or -1 when the data ends.
    int Code(int size) {
        while (count_ < size) {
            if (left_ == 0) {
                left_ = in_.U8();
                if (!in_.ok() || left_ == 0) return -1;
            }
            bits_ |= std::uint32_t{in_.U8()} << count_;
            --left_;
            count_ += 8;
        }
        const int code = static_cast<int>(bits_ & ((1u << size) - 1));
        bits_ >>= size;
        count_ -= size;
        return code;
    }

private:
    ByteReader& in_;
    std::uint32_t bits_ = 0;
    int count_ = 0;
    std::uint8_t left_ = 0;
};

// Rows in the order an interlaced picture stores them: every 8th from 0, every
// 8th from 4, every 4th from 2, every 2nd from 1.
std::vector<int> RowOrder(int h, bool interlaced) {
    std::vector<int> rows;
    rows.reserve(static_cast<std::size_t>(h));
    if (!interlaced) {
        for (int y = 0; y < h; ++y) rows.push_back(y);
        return rows;
    }
    constexpr int START[4] = {0, 4, 2, 1};
    constexpr int STEP[4] = {8, 8, 4, 2};
    for (int pass = 0; pass < 4; ++pass)
        for (int y = START[pass]; y < h; y += STEP[pass]) rows.push_back(y);
    return rows;
}

// Decodes the LZW stream into `out`, `total` indices in stored row order;
// false when the data is invalid or ends before every pixel is set. The
// buffer grows with the data, so a header that claims a huge picture over a
// few bytes is refused without allocating the picture.
bool Lzw(ByteReader& in, int min_size, std::size_t total, std::vector<std::uint8_t>& out) {
    out.clear();
    out.reserve(std::min(total, in.remaining() * 4));
    std::size_t done = 0;
    const auto put = [&](std::uint8_t index) {
        if (done < total) {
            out.push_back(index);
            ++done;
        }
    };

    std::array<std::uint16_t, 4096> prefix{};
    std::array<std::uint8_t, 4096> suffix{};
    std::array<std::uint8_t, 4097> stack{};
    const int clear = 1 << min_size;
    const int end = clear + 1;
    // Literals past 255 (minimum code sizes above 8) keep their low byte.
    for (int i = 0; i < clear; ++i) suffix[i] = static_cast<std::uint8_t>(i);
    int size = min_size + 1;
    int next = clear + 2;
    int old = -1;
    std::uint8_t first = 0;
    SubBlockBits bits(in);
    while (done < total) {
        int code = bits.Code(size);
        if (code < 0) return false;
        if (code == clear) {
            size = min_size + 1;
            next = clear + 2;
            old = -1;
            continue;
        }
        if (code == end) break;
        if (old < 0) {
            if (code >= clear) return false;
            first = suffix[code];
            put(first);
            old = code;
            continue;
        }
        const int in_code = code;
        if (code > next || (code == next && next >= 4096)) return false;
        std::size_t depth = 0;
        if (code == next) {  // the entry being defined: old's string plus its first byte
            stack[depth++] = first;
            code = old;
        }
        while (code >= clear) {
            stack[depth++] = suffix[code];
            code = prefix[code];
        }
        first = suffix[code];
        stack[depth++] = first;
        while (depth > 0) put(stack[--depth]);
        if (next < 4096) {
            prefix[next] = static_cast<std::uint16_t>(old);
            suffix[next] = first;
            ++next;
            if (next == 1 << size && size < 12) ++size;
        }
        old = in_code;
    }
    return done == total;
}

bool ReadColourTable(ByteReader& in, std::uint8_t flags, std::vector<std::uint32_t>& palette) {
    const std::size_t n = std::size_t{2} << (flags & 7);
    const std::span<const std::uint8_t> table = in.Bytes(n * 3);
    if (!in.ok()) return false;
    for (std::size_t i = 0; i < n; ++i)
        palette[i] = std::uint32_t{table[3 * i]} << 16 | std::uint32_t{table[3 * i + 1]} << 8 |
                     table[3 * i + 2];
    return true;
}

void SkipSubBlocks(ByteReader& in) {
    for (std::uint8_t n = in.U8(); in.ok() && n != 0; n = in.U8()) in.Skip(n);
}

}  // namespace

bool DecodeGif(std::span<const std::uint8_t> data, Image& img) {
    ByteReader in(data);
    const std::span<const std::uint8_t> signature = in.Bytes(6);
    if (!in.ok() || signature[0] != 'G' || signature[1] != 'I' || signature[2] != 'F' ||
        signature[3] != '8')
        return img.Fail(NOT_GIF);
    in.Skip(4);  // logical screen size
    const std::uint8_t screen_flags = in.U8();
    in.Skip(2);  // background colour, aspect
    // A local table replaces the entries of the global one that it holds.
    std::vector<std::uint32_t> palette(256, 0);
    if ((screen_flags & 0x80) && !ReadColourTable(in, screen_flags, palette))
        return img.Fail(CORRUPTED);

    while (in.ok()) {
        const std::uint8_t block = in.U8();
        if (block == 0x21) {  // extension: label, then sub-blocks
            in.U8();
            SkipSubBlocks(in);
        } else if (block == 0x2C) {
            in.Skip(4);  // position on the logical screen
            const std::uint16_t w = in.U16();
            const std::uint16_t h = in.U16();
            const std::uint8_t flags = in.U8();
            if (!in.ok() || w == 0 || h == 0) return img.Fail(CORRUPTED);
            if (!ImageSizeAllowed(w, h)) return img.Fail(IMAGE_TOO_LARGE_TEXT);
            if ((flags & 0x80) && !ReadColourTable(in, flags, palette)) return img.Fail(CORRUPTED);
            const int min_size = in.U8();
            // Above 8 the literal codes outnumber the palette, but other readers
            // take sizes up to 11 (the largest that leaves room in 12-bit codes).
            if (!in.ok() || min_size < 1 || min_size > MAX_MIN_CODE_SIZE)
                return img.Fail(CORRUPTED);
            std::vector<std::uint8_t> stream;
            try {
                if (!Lzw(in, min_size, static_cast<std::size_t>(w) * h, stream))
                    return img.Fail(CORRUPTED);
            } catch (const std::bad_alloc&) {
                return img.Fail(NO_MEMORY);
            }
            if (!img.Create(w, h, true, NO_MEMORY)) return false;
            img.palette = palette;
            const std::vector<int> rows = RowOrder(h, flags & 0x40);
            for (int r = 0; r < h; ++r)
                std::copy_n(stream.data() + static_cast<std::size_t>(r) * w, w, img.Row(rows[r]));
            return true;
        } else if (block == 0x3B) {
            return img.Fail(NO_IMAGE);
        } else {
            return img.Fail(CORRUPTED);
        }
    }
    return img.Fail(CORRUPTED);
}

}  // namespace vx
