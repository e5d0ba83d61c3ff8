#include "io/PngFile.h"

#include <png.h>

#include <csetjmp>
#include <cstring>

#include "shell/AtomicFile.h"
#include "shell/Buffers.h"

namespace vx {

namespace {

// The largest picture we decode: far beyond any logo, small enough to allocate.
constexpr png_uint_32 MAX_SIDE = 16384;
constexpr std::size_t MAX_PIXELS = std::size_t{64} << 20;

void SetError(std::string* error, const char* text) {
    if (error) *error = text;
}

struct ReadCursor {
    std::span<const std::uint8_t> data;
    std::size_t pos = 0;
};

void ReadFromSpan(png_structp png, png_bytep out, png_size_t n) {
    auto* cursor = static_cast<ReadCursor*>(png_get_io_ptr(png));
    if (n > cursor->data.size() - cursor->pos) png_error(png, "unexpected end of data");
    std::memcpy(out, cursor->data.data() + cursor->pos, n);
    cursor->pos += n;
}

void WriteToVector(png_structp png, png_bytep in, png_size_t n) {
    auto* out = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(png));
    out->insert(out->end(), in, in + n);
}

void FlushNothing(png_structp) {}

// Rows in libpng's layout, prepared before setjmp so no destructor lives across it.
bool Encode(png_structp png, png_infop info, const std::vector<png_bytep>& rows, int w, int h,
            PngChannels channels, std::vector<std::uint8_t>& out) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_set_write_fn(png, &out, WriteToVector, FlushNothing);
    png_set_IHDR(png, info, static_cast<png_uint_32>(w), static_cast<png_uint_32>(h), 8,
                 channels == PngChannels::RGBA ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    png_write_image(png, const_cast<png_bytepp>(rows.data()));
    png_write_end(png, nullptr);
    return true;
}

}  // namespace

bool EncodePng(const std::uint32_t* pixels, int w, int h, PngChannels channels,
               std::vector<std::uint8_t>& out, std::string* error) {
    out.clear();
    const int bytes_per_pixel = channels == PngChannels::RGBA ? 4 : 3;
    const std::optional<std::size_t> area = CheckedArea(w, h);
    const std::optional<std::size_t> row_bytes = CheckedArea(w, bytes_per_pixel);
    if (w <= 0 || h <= 0 || !area || !row_bytes || !CheckedArea(*row_bytes, h)) {
        SetError(error, "invalid image size");
        return false;
    }
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
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    const bool ok = info && Encode(png, info, rows, w, h, channels, out);
    png_destroy_write_struct(&png, &info);
    if (!ok) {
        out.clear();
        SetError(error, "PNG encoding failed");
    }
    return ok;
}

bool WritePngFile(const std::string& path, const std::uint32_t* pixels, int w, int h,
                  PngChannels channels, std::string* error) {
    std::vector<std::uint8_t> bytes;
    return EncodePng(pixels, w, h, channels, bytes, error) &&
           WriteFileAtomically(path, bytes, error);
}

namespace {

// Reads the header and the rows into `rgba` (4 bytes a pixel); false on any
// libpng error, which longjmps here.
bool Decode(png_structp png, png_infop info, ReadCursor& cursor, std::vector<std::uint8_t>& rgba,
            std::vector<png_bytep>& rows, png_uint_32& w, png_uint_32& h, bool& has_alpha,
            const char*& why) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_set_read_fn(png, &cursor, ReadFromSpan);
    png_set_user_limits(png, MAX_SIDE, MAX_SIDE);
    png_read_info(png, info);
    w = png_get_image_width(png, info);
    h = png_get_image_height(png, info);
    const png_byte color = png_get_color_type(png, info);
    has_alpha = (color & PNG_COLOR_MASK_ALPHA) != 0 || png_get_valid(png, info, PNG_INFO_tRNS);
    if (static_cast<std::size_t>(w) * h > MAX_PIXELS) {
        why = "image too large";
        return false;
    }
    png_set_expand(png);  // palette and low-bit grey to 8-bit, tRNS to alpha
    png_set_strip_16(png);
    png_set_gray_to_rgb(png);
    png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    if (png_get_rowbytes(png, info) != static_cast<std::size_t>(w) * 4) {
        why = "unexpected row layout";
        return false;
    }
    rgba.resize(static_cast<std::size_t>(w) * h * 4);
    rows.resize(h);
    for (png_uint_32 y = 0; y < h; ++y) rows[y] = rgba.data() + static_cast<std::size_t>(y) * w * 4;
    png_read_image(png, rows.data());
    png_read_end(png, nullptr);
    return true;
}

}  // namespace

bool DecodePng(std::span<const std::uint8_t> data, PngImage& out, std::string* error) {
    out = PngImage{};
    if (data.size() < 8 || png_sig_cmp(data.data(), 0, 8) != 0) {
        SetError(error, "not a PNG file");
        return false;
    }
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    ReadCursor cursor{data};
    std::vector<std::uint8_t> rgba;
    std::vector<png_bytep> rows;
    png_uint_32 w = 0, h = 0;
    bool has_alpha = false;
    const char* why = "Error reading PNG file";
    const bool ok = info && Decode(png, info, cursor, rgba, rows, w, h, has_alpha, why);
    png_destroy_read_struct(&png, &info, nullptr);
    if (!ok) {
        SetError(error, why);
        return false;
    }
    out.w = static_cast<int>(w);
    out.h = static_cast<int>(h);
    out.has_alpha = has_alpha;
    out.pixels.resize(static_cast<std::size_t>(w) * h);
    for (std::size_t i = 0; i < out.pixels.size(); ++i) {
        const std::uint8_t* p = rgba.data() + i * 4;
        out.pixels[i] = static_cast<std::uint32_t>(p[3]) << 24 | static_cast<std::uint32_t>(p[0]) << 16 |
                        static_cast<std::uint32_t>(p[1]) << 8 | p[2];
    }
    return true;
}

}  // namespace vx
