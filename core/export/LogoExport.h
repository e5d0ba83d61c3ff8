#pragma once

// Save of the logo image export: what the export dialog's "Save" does and
// `vexologo-cli export` does, the logo drawn at the chosen scale with margins
// of background and written in one of the six formats. The caller opens the
// export first (OpenExport) and passes what it learnt.
//
// A save either writes the whole picture (to a temporary name, renamed over
// the target when complete) or nothing: an export beyond the size limits is
// refused before anything is drawn, with a message naming the size.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "codecs/ImageWriters.h"
#include "document/LeFile.h"
#include "export/ExportSize.h"
#include "export/LogoPainter.h"
#include "shell/Result.h"

namespace vx {

struct ExportOptions {
    ImageFormat format = ImageFormat::PNG24;
    int scale = EXPORT_DEFAULT_SCALE;      // percent; clamped, 100 for a logo that cannot scale
    int margin = EXPORT_DEFAULT_MARGIN;    // pixels; clamped
    int quality = EXPORT_DEFAULT_QUALITY;  // JPEG and TIFF; clamped
    // PNG 24, PNG 8, GIF and TIFF only: the background left transparent.
    bool transparent = false;
};

// The picture a save writes: w x h pixels 0x00RRGGBB and, with a transparent
// background, the alpha plane (0 transparent .. 255 opaque) with the colours
// unassociated (for GIF, partly transparent colours blended with the logo's
// background, ready for the one-bit cut).
struct ExportImage {
    int w = 0;
    int h = 0;
    std::vector<std::uint32_t> px;
    std::vector<std::uint8_t> alpha;

    WritePixels Pixels() const { return {px.data(), w, h, alpha.empty() ? nullptr : alpha.data()}; }
};

// Draws the picture of a save without writing it. A failure carries the
// message for the user, which the caller shows; an export stopped by
// `progress` fails with an empty message: there is nothing to show.
Result DrawLogoImage(LeFile& le, const ExportLogo& logo, const ExportOptions& options,
                     ExportImage& out, const ExportProgress& progress = {});

// Encodes a drawn picture in the options' format and quality. It touches no
// engine state (no fonts, trace stack or messages), so the window may run it
// on a worker thread while it stays responsive. A failure says why.
Result EncodeLogoImage(const ExportImage& image, const ExportOptions& options,
                       std::vector<std::uint8_t>& out);

// Writes encoded bytes to `path` through a temporary renamed over it. A
// failure carries "File could not be saved: " with the path and the reason.
Result WriteLogoFile(const std::string& path, std::span<const std::uint8_t> bytes);

// DrawLogoImage, EncodeLogoImage, WriteLogoFile. A failure carries the message
// for the user (empty when `progress` stopped it) and leaves no file behind.
Result SaveLogoImage(LeFile& le, const ExportLogo& logo, const ExportOptions& options,
                     const std::string& path, const ExportProgress& progress = {});

// The format a file name asks for by its extension, in any case: .png (PNG 24
// Bit), .gif, .bmp, .jpg, .jpeg, .tif, .tiff. Nothing for anything else.
std::optional<ImageFormat> ExportFormatForPath(const std::string& path);
// The extension the file dialog proposes for `format`, without the dot.
const char* ExportExtension(ImageFormat format);

}  // namespace vx
