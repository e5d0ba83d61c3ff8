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

// The test picture: SAMPLE_W x SAMPLE_H, its colours taken from a 4-entry
// palette so that every format, down to 2 bits a pixel, can hold it exactly.
constexpr int SAMPLE_W = 7;
constexpr int SAMPLE_H = 5;
std::uint32_t SampleColour(int index);  // 0x00RRGGBB
int SampleIndex(int x, int y);          // 0..3
// The picture as 0xFFRRGGBB words, top row first.
std::vector<std::uint32_t> Reference();
// A smooth alpha ramp, per pixel, for the formats that carry alpha.
std::uint8_t SampleAlpha(int x, int y);

// PNG through libpng. color_type and bit_depth as libpng names them; alpha
// and grey samples are derived from the picture.
Bytes MakePng(int color_type, int bit_depth, bool interlaced = false, bool trns = false);

}  // namespace vx::test
