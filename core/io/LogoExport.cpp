#include "io/LogoExport.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "document/ProjectFile.h"
#include "io/ImageLimits.h"
#include "io/LogoPainter.h"
#include "io/Transparency.h"
#include "render/Color.h"
#include "shell/Messages.h"

namespace vx {

namespace {

bool Refuse(const std::string& text) {
    ShowMessage(text);
    return false;
}

std::string Lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// The picture's buffers, allocated up front: one canvas, or two (over black
// and over white) and the alpha plane for a transparent background.
struct ExportBuffers {
    std::array<ExportCanvas, 2> canvases;
    std::vector<std::uint8_t> alpha;
    std::size_t count = 1;

    bool Allocate(std::size_t pixels, bool transparent, std::uint32_t background) {
        count = transparent ? 2 : 1;
        canvases[0].background = transparent ? ALPHA_BLACK : background;
        canvases[1].background = ALPHA_WHITE;
        for (std::size_t i = 0; i < count; ++i)
            if (!TryResize(canvases[i].px, pixels)) return false;
        return !transparent || TryResize(alpha, pixels);
    }
};

}  // namespace

bool SaveLogoImage(LeFile& le, const ExportLogo& logo, const ExportOptions& options,
                   const std::string& path) {
    if (!logo.CanSave()) return Refuse("The logo is empty: there is nothing to export.");
    const char* name = ImageFormatName(options.format);
    if (options.transparent && !FormatHoldsAlpha(options.format))
        return Refuse(std::string(name) +
                      " cannot hold a transparent background; choose PNG, GIF or TIFF.");

    const int percent = EffectiveScale(logo, options.scale);
    const int margin = ClampExportMargin(options.margin);
    const ExportSize size = OutputSize(logo, percent, margin);
    if (!ExportSizeAllowed(size)) return Refuse(ExportTooLargeText(size));
    // Objects are drawn whole before the picture cuts them: each must fit too.
    UpdateExportObjects(le);
    if (const auto object = OversizedObject(le, percent))
        return Refuse("At " + std::to_string(percent) + " % an object of the logo would be " +
                      std::to_string(object->w) + " x " + std::to_string(object->h) +
                      " pixels; an export can draw at most " + std::to_string(EXPORT_MAX_SIDE) +
                      " pixels a side and " + std::to_string(EXPORT_MAX_PIXELS >> 20) +
                      " megapixels. Choose a smaller scale.");

    const LogoPlacement place{percent, margin, static_cast<int>(size.w), static_cast<int>(size.h)};
    const auto pixels = static_cast<std::size_t>(size.w * size.h);
    ExportBuffers buf;
    if (!buf.Allocate(pixels, options.transparent, HslToRgb(le.bgc)))
        return Refuse("There is not enough memory for an image of " + std::to_string(size.w) +
                      " x " + std::to_string(size.h) + " pixels.");
    const std::span<ExportCanvas> canvases(buf.canvases.data(), buf.count);
    PaintLogo(le, logo, place, canvases);

    WritePixels out{buf.canvases[0].px.data(), place.w, place.h, nullptr};
    if (options.transparent) {
        RecoverAlpha(buf.canvases[0].px.data(), buf.canvases[1].px.data(), pixels, HslToRgb(le.bgc),
                     buf.canvases[0].px.data(), buf.alpha.data());
        buf.canvases[1].px = std::vector<std::uint32_t>();  // the writer may need the memory
        out.alpha = buf.alpha.data();
    }
    std::string why;
    if (!WriteImageFile(path, options.format, out, ClampExportQuality(options.quality), &why))
        return Refuse(MSG_CANNOT_SAVE + path + (why.empty() ? "" : " (" + why + ")"));
    return true;
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
