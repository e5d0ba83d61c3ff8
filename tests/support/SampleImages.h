#pragma once

// The picture files under tests/data/images (see the README there) and the
// picture most of them show, so that every decoder's output can be compared
// with Reference().

#include <cstdint>
#include <string>
#include <vector>

namespace vx::test {

using Bytes = std::vector<std::uint8_t>;

// The sample picture: SAMPLE_W x SAMPLE_H, its colours taken from the first
// `colours` (2 or 4) of SAMPLE_COLOURS so that every format, down to 1 bit a
// pixel, can hold it exactly; or from the same entries of `palette`.
constexpr int SAMPLE_W = 7;
constexpr int SAMPLE_H = 5;
constexpr std::uint32_t SAMPLE_COLOURS[4] = {0x102030, 0xF0E0D0, 0x2080FF, 0xC01008};

// The picture as 0xFFRRGGBB words, top row first.
std::vector<std::uint32_t> Reference(int colours = 4,
                                     const std::uint32_t* palette = SAMPLE_COLOURS);
// The same in grey: each pixel's green byte in all three channels.
std::vector<std::uint32_t> ReferenceGrey();
// `px` with the alpha ramp of the formats that carry alpha (x * 40 + y * 10).
std::vector<std::uint32_t> WithSampleAlpha(std::vector<std::uint32_t> px);
// `px`, rows of `w` pixels, scaled up 8 times, as the JPEG samples hold it.
std::vector<std::uint32_t> ScaleUp8(const std::vector<std::uint32_t>& px, int w = SAMPLE_W);
// Entry `index` of the 256-colour table of the large GIF samples.
std::uint32_t GifColour(int index);

// `file` decoded as `type` in our pixel layout; empty on failure, with `error` set.
std::vector<std::uint32_t> Decoded(const Bytes& file, int type, std::string* error = nullptr);

// The path and the bytes of a sample, e.g. "bmp/info-8.bmp".
std::string SamplePath(const std::string& name);
Bytes ReadSample(const std::string& name);

}  // namespace vx::test
