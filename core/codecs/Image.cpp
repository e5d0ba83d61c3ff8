#include "codecs/Image.h"

#include "codecs/BmpDecoder.h"
#include "codecs/GifDecoder.h"
#include "codecs/IcoDecoder.h"
#include "codecs/ImageLimits.h"
#include "codecs/JpegDecoder.h"
#include "codecs/PngDecoder.h"
#include "codecs/TgaDecoder.h"
#include "codecs/TiffDecoder.h"
#include "shell/Buffers.h"

#include <iterator>

namespace vx {

bool Image::Decode(std::span<const std::uint8_t> data, int type) {
    *this = Image{};
    using Decoder = bool (*)(std::span<const std::uint8_t>, Image&);
    // Indexed by type number.
    static constexpr Decoder DECODERS[] = {DecodeBmp, DecodeGif,  DecodeJpeg, DecodePngImage,
                                           DecodeIco, DecodeTiff, DecodeTga};
    if (type < 0 || type >= static_cast<int>(std::size(DECODERS)))
        return Fail("Unsupported operation for this format");
    return DECODERS[type](data, *this);
}

bool Image::Create(long long width, long long height, bool with_palette, const char* alloc_error) {
    if (!ImageSizeAllowed(width, height)) return Fail(IMAGE_TOO_LARGE_TEXT);
    w = static_cast<int>(width);
    h = static_cast<int>(height);
    paletted = with_palette;
    alpha.clear();
    const std::size_t area = static_cast<std::size_t>(w) * static_cast<std::size_t>(h);
    if (!TryResize(px, area * static_cast<std::size_t>(BytesPerPixel()))) return Fail(alloc_error);
    palette.assign(with_palette ? 256 : 0, 0);
    return true;
}

bool Image::AddAlpha(const char* alloc_error) {
    if (!TryResize(alpha, static_cast<std::size_t>(w) * static_cast<std::size_t>(h)))
        return Fail(alloc_error);
    return true;
}

bool Image::ToPixels(std::vector<std::uint32_t>& out) const {
    const std::size_t n = static_cast<std::size_t>(w) * static_cast<std::size_t>(h);
    if (!TryResize(out, n)) return false;
    const bool has_alpha = alpha.size() == n;
    const std::uint8_t* src = px.data();
    for (std::size_t i = 0; i < n; ++i) {
        std::uint32_t rgb;
        if (paletted) {
            rgb = palette[*src++];
        } else {
            rgb = static_cast<std::uint32_t>(src[2]) << 16 |
                  static_cast<std::uint32_t>(src[1]) << 8 | src[0];
            src += 3;
        }
        const std::uint32_t a = has_alpha ? alpha[i] : 0xFFu;
        out[i] = a << 24 | (rgb & 0xFFFFFFu);
    }
    return true;
}

}  // namespace vx
