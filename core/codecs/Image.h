#pragma once

// One decoded picture, whatever file it came from: the format-neutral result of
// the import decoders. Pixels are either palette indices (one byte each, the
// palette holding 256 colours) or blue, green, red bytes; an alpha plane is
// present only for the formats whose alpha we import.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace vx {

// Decoder type numbers, as chosen by a file's extension.
enum ImageType : int {
    IMAGE_BMP = 0,
    IMAGE_GIF = 1,
    IMAGE_JPG = 2,
    IMAGE_PNG = 3,
    IMAGE_ICO = 4,
    IMAGE_TIF = 5,
    IMAGE_TGA = 6,
};

class Image {
public:
    int w = 0;
    int h = 0;
    bool paletted = false;
    std::vector<std::uint8_t> px;        // w*h indices, or w*h*3 bytes B, G, R
    std::vector<std::uint32_t> palette;  // 0x00RRGGBB; 256 entries when paletted
    std::vector<std::uint8_t> alpha;     // w*h, 0 transparent; empty when opaque
    std::string error;                   // why decoding failed; not shown to users

    // Decodes `data` with the decoder for `type`. False with `error` set.
    bool Decode(std::span<const std::uint8_t> data, int type);

    // Sizes the picture: checks the limits, then allocates the pixels (zeroed)
    // and, for a paletted one, a black 256-colour palette. `alloc_error` is the
    // decoder's text for a failed allocation.
    bool Create(long long width, long long height, bool with_palette, const char* alloc_error);
    // Adds a zeroed alpha plane.
    bool AddAlpha(const char* alloc_error);

    int BytesPerPixel() const { return paletted ? 1 : 3; }
    std::uint8_t* Row(int y) {
        return px.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(w) *
                               static_cast<std::size_t>(BytesPerPixel());
    }
    void SetBgr(std::uint8_t* p, std::uint32_t rgb) {
        p[0] = static_cast<std::uint8_t>(rgb);
        p[1] = static_cast<std::uint8_t>(rgb >> 8);
        p[2] = static_cast<std::uint8_t>(rgb >> 16);
    }

    // The picture in our 32-bit layout, (A << 24) | (R << 16) | (G << 8) | B, rows
    // top first; alpha 255 where the picture has no alpha plane. False when the
    // buffer cannot be allocated.
    bool ToPixels(std::vector<std::uint32_t>& out) const;

    bool Fail(const char* text) {
        error = text;
        return false;
    }
};

}  // namespace vx
