#pragma once

// One text or shape object in the SVG document, in the raster layers' order:
// drop shadow, fill (solid or gradient), outline. The effects are filters on
// the glyphs' alpha that redo the renderer's steps: a Gaussian blur of the
// renderer's spread, the same stretch to the full range, and for the outline
// its response curve, kept off the glyphs themselves.

#include "export/LogoPainter.h"
#include "export/SvgWriter.h"

namespace vx {

// Appends the object's glyph path, gradient and filters to `defs` (ids end in
// `id`) and its layers to `body`.
void WriteSvgText(const ScaledText& text, int id, SvgWriter& defs, SvgWriter& body);

}  // namespace vx
