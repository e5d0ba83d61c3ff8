// Hand-built BMP, ICO and Targa files and PNG files through libpng.

#include "support/SampleImages.h"

#include <png.h>

#include <algorithm>
#include <csetjmp>

namespace vx::test {

namespace {

constexpr std::uint32_t COLOURS[4] = {0x102030, 0xF0E0D0, 0x2080FF, 0xC01008};

std::uint8_t Grey(int x, int y) {
    return static_cast<std::uint8_t>(COLOURS[SampleIndex(x, y)] >> 8);
}

void Put16(Bytes& b, std::uint32_t v) {
    b.push_back(static_cast<std::uint8_t>(v));
    b.push_back(static_cast<std::uint8_t>(v >> 8));
}
void Put32(Bytes& b, std::uint32_t v) {
    Put16(b, v & 0xFFFF);
    Put16(b, v >> 16);
}
void PutBgr(Bytes& b, std::uint32_t c) {
    b.push_back(static_cast<std::uint8_t>(c));
    b.push_back(static_cast<std::uint8_t>(c >> 8));
    b.push_back(static_cast<std::uint8_t>(c >> 16));
}
void Pad4(Bytes& b, std::size_t row_start) {
    while ((b.size() - row_start) % 4) b.push_back(0);
}

void AppendToBytes(png_structp png, png_bytep in, png_size_t n) {
    auto* out = static_cast<Bytes*>(png_get_io_ptr(png));
    out->insert(out->end(), in, in + n);
}

bool WritePng(png_structp png, png_infop info, std::vector<png_bytep>& rows, int color_type,
              int bit_depth, bool interlaced, bool trns, Bytes& out) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_set_write_fn(png, &out, AppendToBytes, nullptr);
    png_set_IHDR(png, info, SAMPLE_W, SAMPLE_H, bit_depth, color_type,
                 interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_color plte[4];
    for (int i = 0; i < 4; ++i)
        plte[i] = {static_cast<png_byte>(COLOURS[i] >> 16), static_cast<png_byte>(COLOURS[i] >> 8),
                   static_cast<png_byte>(COLOURS[i])};
    if (color_type == PNG_COLOR_TYPE_PALETTE) png_set_PLTE(png, info, plte, 4);
    png_byte trans_index[2] = {255, 0};  // index 1 fully transparent
    png_color_16 trans_colour{};
    const std::uint32_t first = COLOURS[SampleIndex(0, 0)];
    trans_colour.gray = Grey(0, 0);
    trans_colour.red = static_cast<png_uint_16>(first >> 16);
    trans_colour.green = static_cast<png_uint_16>(first >> 8 & 0xFF);
    trans_colour.blue = static_cast<png_uint_16>(first & 0xFF);
    if (trns) png_set_tRNS(png, info, trans_index, 2, &trans_colour);
    png_write_info(png, info);
    if (bit_depth < 8) png_set_packing(png);
    png_write_image(png, rows.data());
    png_write_end(png, nullptr);
    return true;
}

// The pixels of one row of a bitmap, uncompressed, padded to 4 bytes.
void BmpRow(const BmpSpec& s, int y, Bytes& b) {
    const std::size_t start = b.size();
    const int colours = s.bits == 1 ? 2 : 4;
    for (int x = 0; x < SAMPLE_W; ++x) {
        const int index = SampleIndex(x, y, colours);
        const std::uint32_t c = COLOURS[index];
        const std::uint32_t r = c >> 16, g = c >> 8 & 0xFF, bl = c & 0xFF;
        if (s.bits <= 8) {  // indices packed from the high bits down
            if (x * s.bits % 8 == 0) b.push_back(0);
            b.back() |= static_cast<std::uint8_t>(index << (8 - s.bits - x * s.bits % 8));
        }
        switch (s.bits) {
            case 16:  // 5-5-5, or 5-6-5 with bit fields
                if (s.compression == 3)
                    Put16(b, (r >> 3) << 11 | (g >> 2) << 5 | bl >> 3);
                else
                    Put16(b, (r >> 3) << 10 | (g >> 3) << 5 | bl >> 3);
                break;
            case 24:
                PutBgr(b, c);
                break;
            case 32:  // B, G, R, X; with bit fields R, G, B, X
                Put32(b, s.compression == 3 ? r | g << 8 | bl << 16 : c | 0xAB000000u);
                break;
        }
    }
    Pad4(b, start);
}

// Run-length rows: the first stored row as one absolute run, the others as
// encoded runs (of equal pixels in RLE8, of pixel pairs in RLE4).
void RleRow(const BmpSpec& s, int y, bool first, Bytes& b) {
    const bool four = s.compression == 2;
    std::vector<int> idx;
    for (int x = 0; x < SAMPLE_W; ++x) idx.push_back(SampleIndex(x, y));
    if (first) {
        b.push_back(0);
        b.push_back(SAMPLE_W);
        std::size_t n = 0;
        for (int x = 0; x < SAMPLE_W; x += four ? 2 : 1, ++n)
            b.push_back(static_cast<std::uint8_t>(
                four ? idx[x] << 4 | (x + 1 < SAMPLE_W ? idx[x + 1] : 0) : idx[x]));
        if (n % 2) b.push_back(0);
    } else if (four) {
        for (int x = 0; x < SAMPLE_W; x += 2) {
            const bool pair = x + 1 < SAMPLE_W;
            b.push_back(pair ? 2 : 1);
            b.push_back(static_cast<std::uint8_t>(idx[x] << 4 | (pair ? idx[x + 1] : 0)));
        }
    } else {
        for (int x = 0; x < SAMPLE_W;) {
            int n = 1;
            while (x + n < SAMPLE_W && idx[x + n] == idx[x]) ++n;
            b.push_back(static_cast<std::uint8_t>(n));
            b.push_back(static_cast<std::uint8_t>(idx[x]));
            x += n;
        }
    }
    b.push_back(0), b.push_back(0);  // end of line
}

Bytes BmpPixels(const BmpSpec& s) {
    Bytes b;
    const bool rle = s.compression == 1 || s.compression == 2;
    for (int r = 0; r < SAMPLE_H; ++r) {
        const int y = s.top_down ? r : SAMPLE_H - 1 - r;
        if (rle)
            RleRow(s, y, r == 0, b);
        else
            BmpRow(s, y, b);
    }
    if (rle) b.push_back(0), b.push_back(1);  // end of bitmap
    return b;
}

// Info header, masks and palette of a bitmap (of height `h` rows as stored).
Bytes BmpInfo(const BmpSpec& s, int h) {
    Bytes b;
    const std::uint32_t masks[3] = {s.bits == 16 ? 0xF800u : 0xFFu,
                                    s.bits == 16 ? 0x07E0u : 0xFF00u,
                                    s.bits == 16 ? 0x001Fu : 0xFF0000u};
    Put32(b, static_cast<std::uint32_t>(s.header));
    if (s.header == 12) {
        Put16(b, SAMPLE_W), Put16(b, static_cast<std::uint32_t>(h)), Put16(b, 1), Put16(b, s.bits);
    } else {
        Put32(b, SAMPLE_W), Put32(b, static_cast<std::uint32_t>(s.top_down ? -h : h));
        Put16(b, 1), Put16(b, s.bits);
        Put32(b, static_cast<std::uint32_t>(s.compression));
        Put32(b, 0), Put32(b, 2835), Put32(b, 2835);
        Put32(b, s.bits <= 8 ? (s.bits == 1 ? 2 : 4) : 0), Put32(b, 0);
        if (s.header >= 52 && s.compression == 3)
            for (const std::uint32_t m : masks) Put32(b, m);
        b.resize(static_cast<std::size_t>(s.header), 0);
        if (s.header == 40 && s.compression == 3)
            for (const std::uint32_t m : masks) Put32(b, m);
    }
    if (s.bits <= 8) {
        // The OS/2 1.x header has no colour count: its palette is complete.
        const int entries = s.header == 12 ? 1 << s.bits : s.bits == 1 ? 2 : 4;
        for (int i = 0; i < entries; ++i) {
            PutBgr(b, COLOURS[i % 4]);
            if (s.header != 12) b.push_back(0);
        }
    }
    return b;
}

}  // namespace

std::uint32_t SampleColour(int index) {
    return COLOURS[index & 3];
}

int SampleIndex(int x, int y, int colours) {
    return (x + 2 * y + (x * y) % 3) % colours;
}

std::vector<std::uint32_t> Reference(int colours) {
    std::vector<std::uint32_t> px;
    for (int y = 0; y < SAMPLE_H; ++y)
        for (int x = 0; x < SAMPLE_W; ++x)
            px.push_back(0xFF000000u | SampleColour(SampleIndex(x, y, colours)));
    return px;
}

std::vector<std::uint32_t> ReferenceGrey() {
    std::vector<std::uint32_t> px;
    for (int y = 0; y < SAMPLE_H; ++y)
        for (int x = 0; x < SAMPLE_W; ++x) px.push_back(0xFF000000u | Grey(x, y) * 0x010101u);
    return px;
}

std::uint8_t SampleAlpha(int x, int y) {
    return static_cast<std::uint8_t>(x * 40 + y * 10);
}

Bytes SamplePixel(int x, int y, int channels) {
    const std::uint32_t c = COLOURS[SampleIndex(x, y)];
    Bytes p;
    if (channels == 0)
        p = {static_cast<std::uint8_t>(SampleIndex(x, y))};
    else if (channels <= 2)
        p = {Grey(x, y)};
    else
        p = {static_cast<std::uint8_t>(c >> 16), static_cast<std::uint8_t>(c >> 8),
             static_cast<std::uint8_t>(c)};
    if (channels == 2 || channels == 4) p.push_back(SampleAlpha(x, y));
    return p;
}

std::vector<std::uint32_t> WithSampleAlpha(std::vector<std::uint32_t> px) {
    for (int y = 0; y < SAMPLE_H; ++y)
        for (int x = 0; x < SAMPLE_W; ++x) {
            std::uint32_t& p = px[static_cast<std::size_t>(y) * SAMPLE_W + x];
            p = (p & 0xFFFFFF) | std::uint32_t{SampleAlpha(x, y)} << 24;
        }
    return px;
}

Bytes MakePng(int color_type, int bit_depth, bool interlaced, bool trns) {
    const int channels = color_type == PNG_COLOR_TYPE_PALETTE
                             ? 0
                             : (color_type & PNG_COLOR_MASK_COLOR ? 3 : 1) +
                                   (color_type & PNG_COLOR_MASK_ALPHA ? 1 : 0);
    std::vector<Bytes> data(SAMPLE_H);
    std::vector<png_bytep> rows;
    for (int y = 0; y < SAMPLE_H; ++y) {
        for (int x = 0; x < SAMPLE_W; ++x)
            for (const std::uint8_t v : SamplePixel(x, y, channels)) {
                // A 16-bit sample repeats its byte, so scaling back gives it exactly.
                data[y].push_back(v);
                if (bit_depth == 16) data[y].push_back(v);
            }
        rows.push_back(data[y].data());
    }
    Bytes out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (!WritePng(png, info, rows, color_type, bit_depth, interlaced, trns, out)) out.clear();
    png_destroy_write_struct(&png, &info);
    return out;
}

Bytes MakeBmp(const BmpSpec& spec) {
    const Bytes info = BmpInfo(spec, SAMPLE_H);
    const Bytes pixels = BmpPixels(spec);
    Bytes b = {'B', 'M'};
    Put32(b, static_cast<std::uint32_t>(14 + info.size() + pixels.size()));
    Put32(b, 0);
    Put32(b, static_cast<std::uint32_t>(14 + info.size()));
    b.insert(b.end(), info.begin(), info.end());
    b.insert(b.end(), pixels.begin(), pixels.end());
    return b;
}

Bytes MakeIco(int kind) {
    Bytes first;
    if (kind == 2) {
        first = MakePng(PNG_COLOR_TYPE_RGB_ALPHA, 8);
    } else {
        const BmpSpec spec{40, kind == 0 ? 8 : 32, 0, false};
        first = BmpInfo(spec, 2 * SAMPLE_H);  // the stored height counts the mask
        const Bytes xor_rows = BmpPixels(spec);
        first.insert(first.end(), xor_rows.begin(), xor_rows.end());
        if (kind == 1)  // alpha in the fourth byte of every pixel
            for (int r = 0; r < SAMPLE_H; ++r)
                for (int x = 0; x < SAMPLE_W; ++x)
                    first[first.size() - xor_rows.size() + (r * SAMPLE_W + x) * 4 + 3] =
                        SampleAlpha(x, SAMPLE_H - 1 - r);
        first.resize(first.size() + 4 * SAMPLE_H, 0xFF);  // AND mask: all "transparent"
    }
    const Bytes second = MakeBmp({40, 24, 0, true});
    Bytes b;
    Put16(b, 0), Put16(b, 1), Put16(b, 2);
    const std::size_t dir = 6 + 2 * 16;
    const std::size_t sizes[2] = {first.size(), second.size() - 14};
    std::size_t offset = dir;
    for (const std::size_t size : sizes) {
        b.push_back(SAMPLE_W), b.push_back(SAMPLE_H), b.push_back(0), b.push_back(0);
        Put16(b, 1), Put16(b, 32);
        Put32(b, static_cast<std::uint32_t>(size)), Put32(b, static_cast<std::uint32_t>(offset));
        offset += size;
    }
    b.insert(b.end(), first.begin(), first.end());
    b.insert(b.end(), second.begin() + 14, second.end());
    return b;
}

Bytes MakeTga(const TgaSpec& s) {
    const int kind = s.type & ~8;
    const bool mapped = kind == 1;
    Bytes b = {3, static_cast<std::uint8_t>(mapped ? 1 : 0), static_cast<std::uint8_t>(s.type)};
    Put16(b, 0), Put16(b, mapped ? 4 : 0), b.push_back(mapped ? 24 : 0);
    Put16(b, 0), Put16(b, 0), Put16(b, SAMPLE_W), Put16(b, SAMPLE_H);
    b.push_back(static_cast<std::uint8_t>(s.bits));
    const int alpha_bits = s.bits == 32 || (kind == 3 && s.bits == 16) ? 8 : s.bits == 16 ? 1 : 0;
    b.push_back(static_cast<std::uint8_t>((s.top_down ? 0x20 : 0) | (s.right_to_left ? 0x10 : 0) |
                                          alpha_bits));
    b.insert(b.end(), {'i', 'd', '!'});
    if (mapped)
        for (const std::uint32_t c : COLOURS) PutBgr(b, c);
    // The pixels in stored order, one vector each.
    std::vector<Bytes> pixels;
    for (int r = 0; r < SAMPLE_H; ++r)
        for (int c = 0; c < SAMPLE_W; ++c) {
            const int y = s.top_down ? r : SAMPLE_H - 1 - r;
            const int x = s.right_to_left ? SAMPLE_W - 1 - c : c;
            const std::uint32_t col = COLOURS[SampleIndex(x, y)];
            Bytes p;
            if (s.bits == 16 && kind != 3) {
                const std::uint32_t a = (x + y) % 2 ? 0x8000 : 0;
                Put16(p, a | (col >> 19 & 31) << 10 | (col >> 11 & 31) << 5 | (col >> 3 & 31));
            } else {
                p = SamplePixel(x, y, mapped ? 0 : s.bits / 8);
                if (p.size() >= 3) std::swap(p[0], p[2]);  // stored B, G, R
            }
            pixels.push_back(p);
        }
    if (s.type < 8) {
        for (const Bytes& p : pixels) b.insert(b.end(), p.begin(), p.end());
        return b;
    }
    // Packets run across row ends, as the format allows.
    for (std::size_t i = 0; i < pixels.size();) {
        std::size_t n = 1;
        while (i + n < pixels.size() && n < 128 && pixels[i + n] == pixels[i]) ++n;
        if (n > 1) {
            b.push_back(static_cast<std::uint8_t>(0x80 | (n - 1)));
            b.insert(b.end(), pixels[i].begin(), pixels[i].end());
        } else {
            while (i + n < pixels.size() && n < 128 &&
                   (i + n + 1 >= pixels.size() || pixels[i + n + 1] != pixels[i + n]))
                ++n;
            b.push_back(static_cast<std::uint8_t>(n - 1));
            for (std::size_t k = 0; k < n; ++k)
                b.insert(b.end(), pixels[i + k].begin(), pixels[i + k].end());
        }
        i += n;
    }
    return b;
}

}  // namespace vx::test
