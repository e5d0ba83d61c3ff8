// PNG writing: 24-bit and 32-bit true colour, and palette pictures.

#include "codecs/PngWriter.h"

#include <png.h>

#include <csetjmp>

#include "shell/AtomicFile.h"
#include "shell/Buffers.h"

namespace vx {

namespace {

void WriteToVector(png_structp png, png_bytep in, png_size_t n) {
    auto* out = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(png));
    out->insert(out->end(), in, in + n);
}

void FlushNothing(png_structp) {}

// Everything a write needs beyond the rows.
struct PngLayout {
    int color_type = PNG_COLOR_TYPE_RGB;
    int bit_depth = 8;
    std::vector<png_color> plte;
    std::vector<png_byte> trns;
};

// Rows in libpng's layout, prepared before setjmp so no destructor lives across it.
bool Encode(png_structp png, png_infop info, const std::vector<png_bytep>& rows, int w, int h,
            const PngLayout& layout, std::vector<std::uint8_t>& out) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_set_write_fn(png, &out, WriteToVector, FlushNothing);
    png_set_IHDR(png, info, static_cast<png_uint_32>(w), static_cast<png_uint_32>(h),
                 layout.bit_depth, layout.color_type, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (!layout.plte.empty())
        png_set_PLTE(png, info, layout.plte.data(), static_cast<int>(layout.plte.size()));
    if (!layout.trns.empty())
        png_set_tRNS(png, info, layout.trns.data(), static_cast<int>(layout.trns.size()), nullptr);
    png_write_info(png, info);
    if (layout.bit_depth < 8) png_set_packing(png);
    png_write_image(png, const_cast<png_bytepp>(rows.data()));
    png_write_end(png, nullptr);
    return true;
}

Result EncodeRows(const std::vector<png_bytep>& rows, int w, int h, const PngLayout& layout,
                  std::vector<std::uint8_t>& out) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    const bool ok = info && Encode(png, info, rows, w, h, layout, out);
    png_destroy_write_struct(&png, &info);
    if (ok) return {};
    out.clear();
    return Result::Failure("PNG encoding failed");
}

}  // namespace

Result EncodePng(const std::uint32_t* pixels, int w, int h, PngChannels channels,
                 std::vector<std::uint8_t>& out) {
    out.clear();
    const int bytes_per_pixel = channels == PngChannels::RGBA ? 4 : 3;
    const std::optional<std::size_t> area = CheckedArea(w, h);
    const std::optional<std::size_t> row_bytes = CheckedArea(w, bytes_per_pixel);
    if (w <= 0 || h <= 0 || !area || !row_bytes || !CheckedArea(*row_bytes, h))
        return Result::Failure("invalid image size");
    std::vector<std::uint8_t> bytes(*row_bytes * static_cast<std::size_t>(h));
    std::vector<png_bytep> rows(static_cast<std::size_t>(h));
    for (std::size_t y = 0; y < rows.size(); ++y) {
        std::uint8_t* row = bytes.data() + y * *row_bytes;
        rows[y] = row;
        const std::uint32_t* src = pixels + y * static_cast<std::size_t>(w);
        for (int x = 0; x < w; ++x) {
            const std::uint32_t p = src[x];
            *row++ = static_cast<std::uint8_t>(p >> 16);
            *row++ = static_cast<std::uint8_t>(p >> 8);
            *row++ = static_cast<std::uint8_t>(p);
            if (bytes_per_pixel == 4) *row++ = static_cast<std::uint8_t>(p >> 24);
        }
    }
    PngLayout layout;
    layout.color_type =
        channels == PngChannels::RGBA ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB;
    return EncodeRows(rows, w, h, layout, out);
}

Result EncodePngPalette(const std::uint8_t* indices, int w, int h,
                        std::span<const std::uint32_t> palette, std::vector<std::uint8_t>& out) {
    out.clear();
    if (w <= 0 || h <= 0 || !CheckedArea(w, h) || palette.empty() || palette.size() > 256)
        return Result::Failure("invalid image size or palette");
    PngLayout layout;
    layout.color_type = PNG_COLOR_TYPE_PALETTE;
    const std::size_t n = palette.size();
    layout.bit_depth = n <= 2 ? 1 : n <= 4 ? 2 : n <= 16 ? 4 : 8;
    std::size_t trns_len = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const std::uint32_t c = palette[i];
        layout.plte.push_back({static_cast<png_byte>(c >> 16), static_cast<png_byte>(c >> 8),
                               static_cast<png_byte>(c)});
        layout.trns.push_back(static_cast<png_byte>(c >> 24));
        if (c >> 24 != 0xFF) trns_len = i + 1;
    }
    layout.trns.resize(trns_len);  // trailing opaque entries need no tRNS bytes
    std::vector<png_bytep> rows(static_cast<std::size_t>(h));
    for (std::size_t y = 0; y < rows.size(); ++y)
        rows[y] = const_cast<png_bytep>(indices + y * static_cast<std::size_t>(w));
    return EncodeRows(rows, w, h, layout, out);
}

Result WritePngFile(const std::string& path, const std::uint32_t* pixels, int w, int h,
                    PngChannels channels) {
    std::vector<std::uint8_t> bytes;
    if (Result encoded = EncodePng(pixels, w, h, channels, bytes); !encoded) return encoded;
    return WriteFileAtomically(path, bytes);
}

}  // namespace vx
