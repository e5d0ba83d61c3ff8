"""Finds shapes that repeat another: glyphs that look the same when drawn.

Each glyph is rendered to coverage in a 64-pixel square, scaled so that its
larger side fills the square and centred, as a shape fills an image object.
The outline is moved so that its box starts on a pixel corner: where a font
happens to place a glyph in its em must not change how it is drawn.
Two glyphs repeat each other when their covered pixels (half coverage or more)
overlap by REPEAT_OVERLAP of their union or more.
"""

import ctypes

import freetype
import numpy
from freetype.raw import FT_Outline_Get_BBox, FT_Outline_Translate

SIDE = 64
REPEAT_OVERLAP = 0.97


def coverage(face, glyph):
    """The glyph's covered pixels as a flat boolean array, or None when empty."""
    face.load_glyph(glyph, freetype.FT_LOAD_NO_SCALE | freetype.FT_LOAD_NO_HINTING)
    box = face.glyph.outline.get_bbox()
    extent = max(box.xMax - box.xMin, box.yMax - box.yMin)
    if box.xMax <= box.xMin or box.yMax <= box.yMin:
        return None
    # The em in 26.6 pixels that makes the larger side SIDE pixels long.
    face.set_char_size(0, SIDE * 64 * face.units_per_EM // extent, 72, 72)
    face.load_glyph(glyph, freetype.FT_LOAD_NO_HINTING)
    outline = ctypes.byref(face.glyph._FT_GlyphSlot.contents.outline)
    scaled = freetype.FT_BBox()
    FT_Outline_Get_BBox(outline, ctypes.byref(scaled))
    FT_Outline_Translate(outline, -scaled.xMin, -scaled.yMin)
    face.glyph.render(freetype.FT_RENDER_MODE_NORMAL)
    bitmap = face.glyph.bitmap
    rows, width = min(bitmap.rows, SIDE), min(bitmap.width, SIDE)
    pixels = numpy.frombuffer(bytes(bitmap.buffer), numpy.uint8)
    pixels = pixels.reshape(bitmap.rows, bitmap.pitch)[:rows, :width]
    square = numpy.zeros((SIDE, SIDE), bool)
    top, left = (SIDE - rows) // 2, (SIDE - width) // 2
    square[top:top + rows, left:left + width] = pixels >= 128
    return square.ravel()


def find_repeats(shapes):
    """`shapes` is a list of (key, coverage) in order of preference. Returns
    {key: earlier key it repeats} for every shape that repeats a kept one."""
    areas = numpy.array([c.sum() for _, c in shapes], numpy.float64)
    cover = numpy.array([c for _, c in shapes], numpy.float32)
    by_area = numpy.argsort(areas, kind="stable")
    sorted_areas = areas[by_area]
    similar = {i: [] for i in range(len(shapes))}
    block = 256
    for start in range(0, len(shapes), block):
        rows = by_area[start:start + block]
        # Overlap of REPEAT_OVERLAP needs the smaller area within that share of the larger.
        stop = numpy.searchsorted(sorted_areas, sorted_areas[start + len(rows) - 1]
                                  / REPEAT_OVERLAP, side="right")
        cols = by_area[start:stop]
        inter = cover[rows] @ cover[cols].T
        union = areas[rows][:, None] + areas[cols][None, :] - inter
        for r, c in zip(*numpy.nonzero(inter >= REPEAT_OVERLAP * union)):
            a, b = rows[r], cols[c]
            if a != b:
                similar[a].append(b)
                similar[b].append(a)
    repeats = {}
    for i in range(len(shapes)):
        kept = [j for j in similar[i] if j < i and shapes[j][0] not in repeats]
        if kept:
            repeats[shapes[i][0]] = shapes[min(kept)][0]
    return repeats
