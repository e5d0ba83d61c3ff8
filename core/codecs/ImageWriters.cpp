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

namespace vx {

namespace {

bool Fail(std::string* error, const std::string& text) {
    if (error) *error = text;
    return false;
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

bool EncodePng24(const WritePixels& in, std::vector<std::uint8_t>& out, std::string* error) {
    if (!in.alpha) return EncodePng(in.px, in.w, in.h, PngChannels::RGB, out, error);
    const std::size_t n = static_cast<std::size_t>(in.w) * static_cast<std::size_t>(in.h);
    std::vector<std::uint32_t> argb;
    if (!TryResize(argb, n)) return Fail(error, "not enough memory for the PNG file");
    for (std::size_t i = 0; i < n; ++i)
        argb[i] = std::uint32_t{in.alpha[i]} << 24 | (in.px[i] & 0xFFFFFF);
    return EncodePng(argb.data(), in.w, in.h, PngChannels::RGBA, out, error);
}

bool EncodePng8(const WritePixels& in, std::vector<std::uint8_t>& out, std::string* error) {
    PalettePicture pic;
    return ReduceColours(in, false, pic, error) &&
           EncodePngPalette(pic.indices.data(), in.w, in.h, pic.palette, out, error);
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

bool EncodeImage(ImageFormat format, const WritePixels& in, int quality,
                 std::vector<std::uint8_t>& out, std::string* error) {
    out.clear();
    if (!in.px || in.w <= 0 || in.h <= 0) return Fail(error, "empty picture");
    if (in.w > MaxSide(format) || in.h > MaxSide(format))
        return Fail(error, std::string(ImageFormatName(format)) + " pictures are limited to " +
                               std::to_string(MaxSide(format)) + " pixels a side");
    if (in.alpha && !FormatHoldsAlpha(format))
        return Fail(error, std::string(ImageFormatName(format)) + " cannot hold transparency");
    switch (format) {
        case ImageFormat::PNG24:
            return EncodePng24(in, out, error);
        case ImageFormat::PNG8:
            return EncodePng8(in, out, error);
        case ImageFormat::GIF8:
            return EncodeGif(in, out, error);
        case ImageFormat::BMP24:
            return EncodeBmp24(in, out, error);
        case ImageFormat::JPEG:
            return EncodeJpeg(in, quality, out, error);
        case ImageFormat::TIFF:
            return EncodeTiff(in, quality, out, error);
    }
    return Fail(error, "unknown format");
}

bool WriteImageFile(const std::string& path, ImageFormat format, const WritePixels& in, int quality,
                    std::string* error) {
    std::vector<std::uint8_t> bytes;
    return EncodeImage(format, in, quality, bytes, error) &&
           WriteFileAtomically(path, bytes, error);
}

}  // namespace vx
