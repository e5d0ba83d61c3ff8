// PNG reading with libpng: DecodePng for our own pictures and the import
// decoder, which keeps alpha only for true-colour-with-alpha files and for
// grey-with-alpha files of 16 bits a channel.

#include "codecs/PngDecoder.h"

#include <png.h>

#include <bit>
#include <csetjmp>
#include <cstring>

#include "codecs/Image.h"
#include "codecs/ImageLimits.h"
#include "shell/Buffers.h"

namespace vx {

static_assert(std::endian::native == std::endian::little,
              "pixels are read as B, G, R, A bytes into 0xAARRGGBB words");

namespace {

constexpr const char* CREATE_FAILED = "Failed to create PNG structure";
constexpr const char* INFO_FAILED = "Failed to initialize PNG info structure";
constexpr const char* READ_FAILED = "Error reading PNG file";

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

// libpng's default handlers print to stderr; a refused file is reported by us.
void ErrorQuietly(png_structp png, png_const_charp) {
    png_longjmp(png, 1);
}
void WarnQuietly(png_structp, png_const_charp) {}

enum class RowLayout { BGRA, BGR };

struct PngHeader {
    png_uint_32 w = 0;
    png_uint_32 h = 0;
    int color_type = 0;
    int bit_depth = 0;
    bool trns = false;  // a transparency chunk
};

// Each step that calls libpng sets its own jump target; nothing with a
// destructor lives in these frames.
bool ReadHeader(png_structp png, png_infop info, ReadCursor& cursor, PngHeader& head) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_set_read_fn(png, &cursor, ReadFromSpan);
    png_read_info(png, info);
    head.w = png_get_image_width(png, info);
    head.h = png_get_image_height(png, info);
    head.color_type = png_get_color_type(png, info);
    head.bit_depth = png_get_bit_depth(png, info);
    head.trns = png_get_valid(png, info, PNG_INFO_tRNS) != 0;
    return true;
}

// Sets the transforms to `layout` (8 bits a channel); false unless the rows
// then have the expected length.
bool SetLayout(png_structp png, png_infop info, RowLayout layout, png_uint_32 w) {
    if (setjmp(png_jmpbuf(png))) return false;
    if (layout == RowLayout::BGRA) {
        png_set_expand(png);  // palette and low-bit grey to 8 bits, tRNS to alpha
        png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
    } else {
        png_set_palette_to_rgb(png);
        png_set_expand_gray_1_2_4_to_8(png);
        png_set_strip_alpha(png);
    }
    png_set_scale_16(png);
    png_set_gray_to_rgb(png);
    png_set_bgr(png);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    const std::size_t bpp = layout == RowLayout::BGRA ? 4 : 3;
    return png_get_rowbytes(png, info) == static_cast<std::size_t>(w) * bpp;
}

bool ReadRows(png_structp png, png_bytepp rows) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_read_image(png, rows);
    png_read_end(png, nullptr);
    return true;
}

// Owns the libpng read structures.
class PngReader {
public:
    explicit PngReader(std::span<const std::uint8_t> data) : cursor_{data} {
        png_ = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, ErrorQuietly, WarnQuietly);
        if (png_) info_ = png_create_info_struct(png_);
    }
    ~PngReader() { png_destroy_read_struct(&png_, &info_, nullptr); }
    PngReader(const PngReader&) = delete;
    PngReader& operator=(const PngReader&) = delete;

    // The header, or the error text.
    const char* Start(PngHeader& head) {
        if (!png_) return CREATE_FAILED;
        if (!info_) return INFO_FAILED;
        const auto data = cursor_.data;
        if (data.size() < 8 || png_sig_cmp(data.data(), 0, 8) != 0) return READ_FAILED;
        if (!ReadHeader(png_, info_, cursor_, head)) return READ_FAILED;
        if (!ImageSizeAllowed(head.w, head.h)) return IMAGE_TOO_LARGE_TEXT;
        w_ = head.w;
        return nullptr;
    }
    // Reads every row into `bytes` (h rows of w pixels in `layout`).
    const char* Read(RowLayout layout, std::uint8_t* bytes, png_uint_32 h) {
        if (!SetLayout(png_, info_, layout, w_)) return READ_FAILED;
        const std::size_t stride =
            static_cast<std::size_t>(w_) * (layout == RowLayout::BGRA ? 4 : 3);
        if (!TryResize(rows_, h)) return READ_FAILED;
        for (png_uint_32 y = 0; y < h; ++y) rows_[y] = bytes + y * stride;
        return ReadRows(png_, rows_.data()) ? nullptr : READ_FAILED;
    }

private:
    ReadCursor cursor_;
    png_structp png_ = nullptr;
    png_infop info_ = nullptr;
    png_uint_32 w_ = 0;
    std::vector<png_bytep> rows_;
};

}  // namespace

Result DecodePng(std::span<const std::uint8_t> data, PngImage& out) {
    out = PngImage{};
    PngReader reader(data);
    PngHeader head;
    const char* why = reader.Start(head);
    if (!why && !TryResize(out.pixels, static_cast<std::size_t>(head.w) * head.h))
        why = READ_FAILED;
    if (!why)
        why = reader.Read(RowLayout::BGRA, reinterpret_cast<std::uint8_t*>(out.pixels.data()),
                          head.h);
    if (why) {
        out = PngImage{};
        return Result::Failure(why);
    }
    out.w = static_cast<int>(head.w);
    out.h = static_cast<int>(head.h);
    out.has_alpha = (head.color_type & PNG_COLOR_MASK_ALPHA) != 0 || head.trns;
    return {};
}

bool DecodePngImage(std::span<const std::uint8_t> data, Image& img) {
    PngReader reader(data);
    PngHeader head;
    if (const char* why = reader.Start(head)) return img.Fail(why);
    if (!img.Create(head.w, head.h, false, READ_FAILED)) return false;
    const bool keep_alpha = head.color_type == PNG_COLOR_TYPE_RGB_ALPHA ||
                            (head.color_type == PNG_COLOR_TYPE_GRAY_ALPHA && head.bit_depth == 16);
    if (!keep_alpha) {
        if (const char* why = reader.Read(RowLayout::BGR, img.px.data(), head.h))
            return img.Fail(why);
        return true;
    }
    std::vector<std::uint8_t> bgra;
    if (!img.AddAlpha(READ_FAILED) || !TryResize(bgra, img.alpha.size() * 4))
        return img.Fail(READ_FAILED);
    if (const char* why = reader.Read(RowLayout::BGRA, bgra.data(), head.h)) return img.Fail(why);
    for (std::size_t i = 0; i < img.alpha.size(); ++i) {
        std::memcpy(&img.px[i * 3], &bgra[i * 4], 3);
        img.alpha[i] = bgra[i * 4 + 3];
    }
    return true;
}

}  // namespace vx
