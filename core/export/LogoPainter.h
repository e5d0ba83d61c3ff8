#pragma once

// Draws the whole logo for export at a scale: every text and shape object is
// rendered afresh at the scaled size (glyphs rasterized large, effects scaled
// with them) and placed where its on-screen rendering puts it, scaled;
// imported pictures are painted as they are (a logo holding one is exported
// at 100 % only). The document's own renderers are not touched.

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

#include "document/LeFile.h"
#include "export/ExportSize.h"
#include "render/FtText.h"

namespace vx {

// Told after each object is painted, with the objects painted and the
// objects in all; returning false stops the export there (the user cancelled).
// A long export keeps its window responsive through it.
using ExportProgress = std::function<bool(int done, int total)>;

// One picture the logo is painted into: `px` (w x h, 0x00RRGGBB) is filled
// with `background` first.
struct ExportCanvas {
    std::uint32_t background = 0;
    std::vector<std::uint32_t> px;
};

// Where the logo goes and how large: `percent` scale, `margin` pixels of
// background on every side, `w` x `h` the whole picture.
struct LogoPlacement {
    int percent = 100;
    int margin = 0;
    int w = 0;
    int h = 0;
};

// A text or shape object rendered afresh at the placement's scale: the
// glyphs the screen shows, and where the pen origin of the first lands in the
// picture. Both the raster and the vector export draw from it.
struct ScaledText {
    LogoParams lt;
    FtText ft;
    int pen_x = 0;
    int pen_y = 0;
};

// Renders `o` into `out`, effects included; false when it could not be
// rendered whole.
bool RenderScaledText(const LeFile& le, const LogoObject& o, const LogoPlacement& place,
                      ScaledText& out);

// Where an imported picture's centre lands in the picture (pictures are not
// scaled).
struct PicturePoint {
    int x = 0;
    int y = 0;
};
PicturePoint PictureCentre(const LeFile& le, const LogoObject& o, const LogoPlacement& place);

// The scaled size of the first text or shape object that is beyond the
// export's limits at `percent`, if any; sizes come from the objects' current
// rendering (UpdateExportObjects).
std::optional<ExportSize> OversizedObject(const LeFile& le, int percent);

// Renders each object once and paints it into every canvas, with the same
// gradient dither in each, so that canvases that differ only in background
// differ only where the logo lets the background through. Then the margins
// are filled with each canvas's background again: the logo is cut at its box,
// as the 100 % canvas cuts it. The canvases' pixels must already be w x h.
// False when an object could not be rendered whole (memory ran out, which
// was reported) or `progress` said stop: the canvases are then incomplete and
// must not be written.
bool PaintLogo(LeFile& le, const ExportLogo& logo, const LogoPlacement& place,
               std::span<ExportCanvas> canvases, const ExportProgress& progress = {});

}  // namespace vx
