#include "export/LogoExport.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <utility>

#include "codecs/ImageLimits.h"
#include "export/LogoPainter.h"
#include "export/Transparency.h"
#include "render/Color.h"
#include "shell/AtomicFile.h"
#include "shell/Buffers.h"
#include "shell/Messages.h"

namespace vx {

namespace {

Result Refuse(std::string text) {
    return Result::Failure(std::move(text));
}

std::string CannotSaveText(const std::string& path, const std::string& why) {
    return MSG_CANNOT_SAVE + path + (why.empty() ? "" : " (" + why + ")");
}

std::string Lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

}  // namespace

Result DrawLogoImage(LeFile& le, const ExportLogo& logo, const ExportOptions& options,
                     ExportImage& out, const ExportProgress& progress) {
    if (!logo.CanSave()) return Refuse("The logo is empty: there is nothing to export.");
    if (options.transparent && !FormatHoldsAlpha(options.format))
        return Refuse(std::string(ImageFormatName(options.format)) +
                      " cannot hold a transparent background; choose PNG, GIF or TIFF.");

    const int percent = EffectiveScale(logo, options.scale);
    const int margin = ClampExportMargin(options.margin);
    const ExportSize size = OutputSize(logo, percent, margin);
    if (!ExportSizeAllowed(size)) return Refuse(ExportTooLargeText(size));
    // Objects are drawn whole before the picture cuts them: each must fit too.
    UpdateExportObjects(le);
    if (const auto object = OversizedObject(le, percent))
        return Refuse(ExportTooLargeText(
            *object, "At " + std::to_string(percent) + " % an object of the logo"));
    const LogoPlacement place{percent, margin, static_cast<int>(size.w), static_cast<int>(size.h)};
    const auto pixels = static_cast<std::size_t>(size.w * size.h);
    const std::uint32_t background = HslToRgb(le.bgc);
    // One canvas, or two (over black and over white) for a transparent background.
    std::array<ExportCanvas, 2> canvases;
    const std::size_t count = options.transparent ? 2 : 1;
    canvases[0].background = options.transparent ? ALPHA_BLACK : background;
    canvases[1].background = ALPHA_WHITE;
    bool allocated = true;
    for (std::size_t i = 0; i < count; ++i)
        allocated = allocated && TryResize(canvases[i].px, pixels);
    if (options.transparent) allocated = allocated && TryResize(out.alpha, pixels);
    if (!allocated)
        return Refuse("There is not enough memory for an image of " + std::to_string(size.w) +
                      " x " + std::to_string(size.h) + " pixels.");
    bool stopped = false;
    const ExportProgress step = [&](int done, int total) {
        stopped = progress && !progress(done, total);
        return !stopped;
    };
    if (!PaintLogo(le, logo, place, std::span<ExportCanvas>(canvases.data(), count), step)) {
        if (stopped) return Result::Failure({});
        return Refuse("There is not enough memory to draw the logo at " + std::to_string(size.w) +
                      " x " + std::to_string(size.h) + " pixels.");
    }

    if (options.transparent) {
        RecoverAlpha(canvases[0].px.data(), canvases[1].px.data(), pixels, background,
                     canvases[0].px.data(), out.alpha.data());
        if (options.format == ImageFormat::GIF8)
            MatteForOneBitAlpha(canvases[0].px.data(), out.alpha.data(), pixels, background);
    }
    out.w = place.w;
    out.h = place.h;
    out.px.swap(canvases[0].px);
    return {};
}

Result EncodeLogoImage(const ExportImage& image, const ExportOptions& options,
                       std::vector<std::uint8_t>& out) {
    return EncodeImage(options.format, image.Pixels(), ClampExportQuality(options.quality), out);
}

Result WriteLogoFile(const std::string& path, std::span<const std::uint8_t> bytes) {
    if (Result written = WriteFileAtomically(path, bytes); !written)
        return Refuse(CannotSaveText(path, written.message()));
    return {};
}

Result SaveLogoImage(LeFile& le, const ExportLogo& logo, const ExportOptions& options,
                     const std::string& path, const ExportProgress& progress) {
    ExportImage image;
    if (Result drawn = DrawLogoImage(le, logo, options, image, progress); !drawn) return drawn;
    std::vector<std::uint8_t> bytes;
    if (Result encoded = EncodeLogoImage(image, options, bytes); !encoded)
        return Refuse(CannotSaveText(path, encoded.message()));
    image = {};  // the pixels are no longer needed; free them before writing
    return WriteLogoFile(path, bytes);
}

std::optional<ImageFormat> ExportFormatForPath(const std::string& path) {
    const std::size_t dot = path.find_last_of("./");
    if (dot == std::string::npos || path[dot] != '.') return std::nullopt;
    const std::string ext = Lower(path.substr(dot + 1));
    if (ext == "png") return ImageFormat::PNG24;
    if (ext == "gif") return ImageFormat::GIF8;
    if (ext == "bmp") return ImageFormat::BMP24;
    if (ext == "jpg" || ext == "jpeg") return ImageFormat::JPEG;
    if (ext == "tif" || ext == "tiff") return ImageFormat::TIFF;
    return std::nullopt;
}

const char* ExportExtension(ImageFormat format) {
    switch (format) {
        case ImageFormat::PNG24:
        case ImageFormat::PNG8:
            return "png";
        case ImageFormat::GIF8:
            return "gif";
        case ImageFormat::BMP24:
            return "bmp";
        case ImageFormat::JPEG:
            return "jpg";
        case ImageFormat::TIFF:
            return "tif";
    }
    return "png";
}

}  // namespace vx
