#include "io/SampleImages.h"

#include <png.h>

#include <csetjmp>

namespace vx::test {

namespace {

constexpr std::uint32_t COLOURS[4] = {0x102030, 0xF0E0D0, 0x2080FF, 0xC01008};

// A grey value for grey formats: the picture's green byte.
std::uint8_t Grey(int x, int y) {
    return static_cast<std::uint8_t>(SampleColour(SampleIndex(x, y)) >> 8);
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
    trans_colour.gray = static_cast<png_uint_16>(Grey(0, 0) >> (8 - std::min(bit_depth, 8)));
    trans_colour.red = static_cast<png_uint_16>(COLOURS[SampleIndex(0, 0)] >> 16);
    trans_colour.green = static_cast<png_uint_16>(COLOURS[SampleIndex(0, 0)] >> 8 & 0xFF);
    trans_colour.blue = static_cast<png_uint_16>(COLOURS[SampleIndex(0, 0)] & 0xFF);
    if (trns) png_set_tRNS(png, info, trans_index, 2, &trans_colour);
    png_write_info(png, info);
    if (bit_depth < 8) png_set_packing(png);
    png_write_image(png, rows.data());
    png_write_end(png, nullptr);
    return true;
}

}  // namespace

std::uint32_t SampleColour(int index) {
    return COLOURS[index & 3];
}

int SampleIndex(int x, int y) {
    return (x + 2 * y + (x * y) % 3) & 3;
}

std::vector<std::uint32_t> Reference() {
    std::vector<std::uint32_t> px;
    for (int y = 0; y < SAMPLE_H; ++y)
        for (int x = 0; x < SAMPLE_W; ++x)
            px.push_back(0xFF000000u | SampleColour(SampleIndex(x, y)));
    return px;
}

std::uint8_t SampleAlpha(int x, int y) {
    return static_cast<std::uint8_t>(x * 40 + y * 10);
}

Bytes MakePng(int color_type, int bit_depth, bool interlaced, bool trns) {
    const int channels = color_type == PNG_COLOR_TYPE_RGB_ALPHA    ? 4
                         : color_type == PNG_COLOR_TYPE_RGB        ? 3
                         : color_type == PNG_COLOR_TYPE_GRAY_ALPHA ? 2
                                                                   : 1;
    const int bytes_per_sample = bit_depth == 16 ? 2 : 1;
    std::vector<std::vector<png_byte>> data(SAMPLE_H);
    std::vector<png_bytep> rows;
    for (int y = 0; y < SAMPLE_H; ++y) {
        auto& row = data[y];
        for (int x = 0; x < SAMPLE_W; ++x) {
            const std::uint32_t c = SampleColour(SampleIndex(x, y));
            std::vector<int> samples;
            if (color_type == PNG_COLOR_TYPE_PALETTE) {
                samples = {SampleIndex(x, y)};
            } else if (channels >= 3) {
                samples = {int(c >> 16 & 0xFF), int(c >> 8 & 0xFF), int(c & 0xFF)};
            } else {
                samples = {bit_depth < 8 ? Grey(x, y) >> (8 - bit_depth) : Grey(x, y)};
            }
            if (channels == 2 || channels == 4) samples.push_back(SampleAlpha(x, y));
            for (const int s : samples) {
                // 16-bit samples repeat the byte, so scaling back gives it exactly.
                row.push_back(static_cast<png_byte>(s));
                if (bytes_per_sample == 2) row.push_back(static_cast<png_byte>(s));
            }
        }
        rows.push_back(row.data());
    }
    Bytes out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (!WritePng(png, info, rows, color_type, bit_depth, interlaced, trns, out)) out.clear();
    png_destroy_write_struct(&png, &info);
    return out;
}

}  // namespace vx::test
