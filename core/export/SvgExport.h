#pragma once

// The logo exported as an SVG 1.1 document: the same picture size, scale and
// margins as the image export, with text and shapes as the glyph outlines the
// renderer draws (each placed and turned as the renderer places it), solid
// fills or a linear gradient, outline and drop shadow as filters that follow
// the effect settings, imported pictures embedded as PNG, and the background
// as a rectangle (none with a transparent background).

#include <string>

#include "export/ExportSize.h"
#include "export/LogoExport.h"
#include "export/LogoPainter.h"
#include "shell/Result.h"

namespace vx {

// Writes the SVG document of the logo into `out`. The format, quality and
// the format's alpha rule of `options` do not apply. A failure carries the
// message for the user; one stopped by `progress` has an empty message.
Result DrawLogoSvg(LeFile& le, const ExportLogo& logo, const ExportOptions& options,
                   std::string& out, const ExportProgress& progress = {});

// DrawLogoSvg, then written to `path` through a temporary renamed over it.
// Leaves no file behind on failure.
Result SaveLogoSvg(LeFile& le, const ExportLogo& logo, const ExportOptions& options,
                   const std::string& path, const ExportProgress& progress = {});

// Whether a file name asks for SVG by its extension (.svg, any case).
bool IsSvgPath(const std::string& path);

}  // namespace vx
