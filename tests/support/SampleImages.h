#pragma once

// Small picture files of every kind and variant the importer reads, built by
// hand or with the format's own library, for tests and as fuzz seeds. Each
// shows the same test picture so that every decoder's output can be compared
// with Reference().

#include <cstdint>
#include <string>
#include <vector>

namespace vx::test {

using Bytes = std::vector<std::uint8_t>;

// The test picture: SAMPLE_W x SAMPLE_H, its colours taken from a palette of
// `colours` entries (2 or 4) so that every format, down to 1 bit a pixel, can
// hold it exactly.
constexpr int SAMPLE_W = 7;
constexpr int SAMPLE_H = 5;
std::uint32_t SampleColour(int index);  // 0x00RRGGBB
int SampleIndex(int x, int y, int colours = 4);
// The picture as 0xFFRRGGBB words, top row first.
std::vector<std::uint32_t> Reference(int colours = 4);
// The same in grey: each pixel's green byte in all three channels.
std::vector<std::uint32_t> ReferenceGrey();
// An alpha ramp, per pixel, for the formats that carry alpha.
std::uint8_t SampleAlpha(int x, int y);
// Pixel (x, y) as a file stores it: its palette index (channels 0), grey (1),
// grey and alpha (2), R G B (3) or R G B and alpha (4).
Bytes SamplePixel(int x, int y, int channels);
// `px` with SampleAlpha in the top byte of every pixel.
std::vector<std::uint32_t> WithSampleAlpha(std::vector<std::uint32_t> px);

// PNG through libpng. color_type and bit_depth as libpng names them.
Bytes MakePng(int color_type, int bit_depth, bool interlaced = false, bool trns = false);

struct BmpSpec {
    int header = 40;  // 12 (OS/2 1.x), 40, 64 (OS/2 2.x), 108, 124
    int bits = 24;
    int compression = 0;  // 0 none, 1 RLE8, 2 RLE4, 3 bit fields
    bool top_down = false;
};
Bytes MakeBmp(const BmpSpec& spec);

// An icon whose first image is an 8-bit bitmap (0), a 32-bit bitmap with alpha
// (1) or a PNG with alpha (2); a second, different image follows.
Bytes MakeIco(int kind);

struct TgaSpec {
    int type = 2;   // 1, 2, 3 or their run-length forms 9, 10, 11
    int bits = 24;  // 8 for type 1; 8 or 16 (grey and alpha) for 3; 16, 24 or 32 for 2
    bool top_down = false;
    bool right_to_left = false;
};
Bytes MakeTga(const TgaSpec& spec);

struct GifSpec {
    bool interlaced = false;
    bool local_table = false;   // the colours in a local table, none global
    bool transparent = false;   // a transparency extension naming index 1
    bool second_image = false;  // another image after the first
    int w = SAMPLE_W;
    int h = SAMPLE_H;
    std::vector<std::uint8_t> indices;  // w x h; empty: the sample picture
};
Bytes MakeGif(const GifSpec& spec);
// The palette MakeGif uses for custom indices: 256 distinct colours.
std::uint32_t GifColour(int index);

// JPEG pictures of the sample scaled up 8 times, so that each pixel fills one
// 8x8 block: baseline (0), progressive (1), grey (2), Adobe CMYK (3).
Bytes MakeJpeg(int kind);
std::vector<std::uint32_t> ScaleUp8(const std::vector<std::uint32_t>& px);

enum class TiffKind { RGB, PALETTE, GREY, RGBA, LZW, TWO_PAGES, TILED };
Bytes MakeTiff(TiffKind kind);

}  // namespace vx::test
