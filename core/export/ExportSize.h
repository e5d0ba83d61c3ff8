#pragma once

// The size rule of the logo image export, as the export dialog applies it:
// the logo's own size when the dialog opens, and the output size for the
// scale and margins typed, with their clamps. The dialog shows OutputSize;
// SaveLogoImage writes a picture of exactly that size.

#include <string>

#include "document/LeFile.h"

namespace vx {

constexpr int EXPORT_MIN_SCALE = 1;  // percent
constexpr int EXPORT_MAX_SCALE = 10000;
constexpr int EXPORT_MAX_MARGIN = 100;  // pixels on every side
constexpr int EXPORT_MIN_QUALITY = 1;
constexpr int EXPORT_MAX_QUALITY = 100;
constexpr int EXPORT_DEFAULT_SCALE = 100;
constexpr int EXPORT_DEFAULT_MARGIN = 0;
constexpr int EXPORT_DEFAULT_QUALITY = 90;

// The largest picture an export draws, and the largest object it renders on
// the way: 16384 pixels a side and 64 megapixels (256 MB of pixels, twice
// that with a transparent background). Larger exports are refused before
// anything is drawn.
constexpr long long EXPORT_MAX_SIDE = 16384;
constexpr long long EXPORT_MAX_PIXELS = 64LL << 20;

// What the dialog learns when it opens: the logo's size at 100 %.
struct ExportLogo {
    int w = 0;
    int h = 0;
    // False when the logo holds an imported picture: it exports at 100 % only,
    // and the scale controls are disabled.
    bool scalable = true;

    // An empty logo (no objects, no fixed canvas) has no size; Save is disabled.
    bool CanSave() const { return w > 0 && h > 0; }
};

// Renders the text and shape objects as on screen and loads the imported
// pictures not loaded yet, so that every object's size and placement are
// current. Returns whether the logo can be scaled (it holds no picture).
bool UpdateExportObjects(LeFile& le);

// The part of the unscaled logo an export shows when the canvas is not fixed,
// relative to the logo centre: the objects' common box, grown to hold each
// object's drop shadow wherever it falls.
ObjectBox ExportBox(const LeFile& le);

// Opening the export: UpdateExportObjects, then takes the fixed canvas size, or centres
// the objects' common box on the logo centre with CenterObjects and takes the
// size of ExportBox. The centring moves the objects and stays.
ExportLogo OpenExport(LeFile& le);

// The clamps of the dialog's edits.
int ClampExportScale(int percent);
int ClampExportMargin(int pixels);
int ClampExportQuality(int quality);
// The scale the export uses: the clamped value, or 100 for a logo that
// cannot be scaled.
int EffectiveScale(const ExportLogo& logo, int percent);

// An output size in 64 bits: logo sizes and scales from files may be anything.
struct ExportSize {
    long long w = 0;
    long long h = 0;
};

// The update rule: w * scale / 100 + 2 * margin by h * scale / 100 + 2 * margin,
// with the clamped scale and margin (integer division, truncating).
ExportSize OutputSize(const ExportLogo& logo, int percent, int margin);

// Whether a picture (or an object) of `size` is within the export's limits.
bool ExportSizeAllowed(ExportSize size);
// The message that refuses an export because `what` (the image, or an object
// drawn at the scale) would be `size`.
std::string ExportTooLargeText(ExportSize size, const std::string& what = "The image");

}  // namespace vx
