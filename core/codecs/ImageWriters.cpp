#include "codecs/ImageWriters.h"

#include "codecs/BmpWriter.h"
#include "codecs/GifWriter.h"
#include "codecs/ImageLimits.h"
#include "codecs/JpegWriter.h"
#include "codecs/PngWriter.h"
#include "codecs/Quantize.h"
#include "codecs/TiffWriter.h"
#include "shell/AtomicFile.h"
#include "shell/Buffers.h"

#include <utility>

namespace vx {

namespace {

Result Fail(std::string text) {
    return Result::Failure(std::move(text));
}

// The largest side each format can record.
int MaxSide(ImageFormat format) {
    switch (format) {
        case ImageFormat::GIF8:
            return 65535;
        case ImageFormat::JPEG:
            return 65500;
        default:
            return 1 << 30;
    }
}

Result EncodePng24(const WritePixels& in, std::vector<std::uint8_t>& out) {
    if (!in.alpha) return EncodePng(in.px, in.w, in.h, PngChannels::RGB, out);
    const std::size_t n = static_cast<std::size_t>(in.w) * static_cast<std::size_t>(in.h);
    std::vector<std::uint32_t> argb;
    if (!TryResize(argb, n)) return Fail("not enough memory for the PNG file");
    for (std::size_t i = 0; i < n; ++i)
        argb[i] = std::uint32_t{in.alpha[i]} << 24 | (in.px[i] & 0xFFFFFF);
    return EncodePng(argb.data(), in.w, in.h, PngChannels::RGBA, out);
}

Result EncodePng8(const WritePixels& in, std::vector<std::uint8_t>& out) {
    PalettePicture pic;
    if (Result reduced = ReduceColours(in, false, pic); !reduced) return reduced;
    return EncodePngPalette(pic.indices.data(), in.w, in.h, pic.palette, out);
}

}  // namespace

const char* ImageFormatName(ImageFormat format) {
    switch (format) {
        case ImageFormat::PNG24:
            return "PNG 24 Bit";
        case ImageFormat::PNG8:
            return "PNG 8 Bit";
        case ImageFormat::GIF8:
            return "GIF 8 Bit";
        case ImageFormat::BMP24:
            return "BMP 24 Bit";
        case ImageFormat::JPEG:
            return "JPEG";
        case ImageFormat::TIFF:
            return "TIFF";
    }
    return "?";
}

bool FormatHoldsAlpha(ImageFormat format) {
    return format == ImageFormat::PNG24 || format == ImageFormat::PNG8 ||
           format == ImageFormat::GIF8 || format == ImageFormat::TIFF;
}

bool FormatUsesQuality(ImageFormat format) {
    return format == ImageFormat::JPEG || format == ImageFormat::TIFF;
}

Result EncodeImage(ImageFormat format, const WritePixels& in, int quality,
                   std::vector<std::uint8_t>& out) {
    out.clear();
    if (!in.px || in.w <= 0 || in.h <= 0) return Fail("empty picture");
    if (in.w > MaxSide(format) || in.h > MaxSide(format))
        return Fail(std::string(ImageFormatName(format)) + " pictures are limited to " +
                    std::to_string(MaxSide(format)) + " pixels a side");
    if (in.alpha && !FormatHoldsAlpha(format))
        return Fail(std::string(ImageFormatName(format)) + " cannot hold transparency");
    switch (format) {
        case ImageFormat::PNG24:
            return EncodePng24(in, out);
        case ImageFormat::PNG8:
            return EncodePng8(in, out);
        case ImageFormat::GIF8:
            return EncodeGif(in, out);
        case ImageFormat::BMP24:
            return EncodeBmp24(in, out);
        case ImageFormat::JPEG:
            return EncodeJpeg(in, quality, out);
        case ImageFormat::TIFF:
            return EncodeTiff(in, quality, out);
    }
    return Fail("unknown format");
}

Result WriteImageFile(const std::string& path, ImageFormat format, const WritePixels& in,
                      int quality) {
    std::vector<std::uint8_t> bytes;
    if (Result encoded = EncodeImage(format, in, quality, bytes); !encoded) return encoded;
    return WriteFileAtomically(path, bytes);
}

}  // namespace vx
