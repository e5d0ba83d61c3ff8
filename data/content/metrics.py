"""Ink boxes of texts and shapes as the engine draws them: a text at pixel
size S is its glyphs' outlines scaled by S / units-per-em, laid out by their
advances; a shape W x H is its one glyph scaled by W / em across and H / em
down. The layouts centre objects on these boxes."""

import csv
import functools
import os

from fontTools.pens.boundsPen import BoundsPen
from fontTools.ttLib import TTFont

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))


def _manifest(name):
    faces = {}
    with open(os.path.join(ROOT, "data", "fonts", name), encoding="utf-8") as f:
        for row in csv.reader(f, delimiter="\t"):
            if row and not row[0].startswith("#") and len(row) >= 3:
                # The data build gives some faces tidier names (columns 5, 6).
                name = f"{row[4]} {row[5]}" if len(row) >= 6 and row[4] else row[2]
                faces[name.lower()] = row[1]  # and the case may differ
    return faces


class Metrics:
    def __init__(self, symbols_dir):
        self.text_files = _manifest("text-fonts.tsv")
        self.symbol_files = {face: (path if os.path.isabs(path) else os.path.join(symbols_dir, path))
                             for face, path in _manifest("symbol-fonts.tsv").items()}

    @functools.lru_cache(maxsize=None)
    def _font(self, face):
        path = self.text_files.get(face.lower()) or self.symbol_files.get(face.lower())
        if path is None:
            raise KeyError(f"no font file for face {face!r}")
        return TTFont(path, lazy=True)

    @functools.lru_cache(maxsize=None)
    def _bounds(self, face, glyph_name):
        font = self._font(face)
        pen = BoundsPen(font.getGlyphSet())
        font.getGlyphSet()[glyph_name].draw(pen)
        return pen.bounds  # None for an empty glyph

    def glyph_names(self, face):
        return self._font(face).getGlyphOrder()

    def text_box(self, face, text, size, spacing=0, aspect=1.0):
        """(width, height) of the ink of `text`."""
        font = self._font(face)
        em = font["head"].unitsPerEm
        cmap = font.getBestCmap()
        hmtx = font["hmtx"]
        sx, sy = size * aspect / em, size / em
        pen = 0.0
        left, right, top, bottom = None, None, None, None
        for ch in text:
            name = cmap.get(ord(ch))
            if name is None:
                continue
            b = self._bounds(face, name)
            if b:
                x0, x1 = pen + b[0] * sx, pen + b[2] * sx
                left = x0 if left is None else min(left, x0)
                right = x1 if right is None else max(right, x1)
                top = b[3] * sy if top is None else max(top, b[3] * sy)
                bottom = b[1] * sy if bottom is None else min(bottom, b[1] * sy)
            pen += hmtx[name][0] * sx + spacing
        if left is None:
            return 0, 0
        return right - left, top - bottom

    def shape_box(self, face, glyph, width, height):
        font = self._font(face)
        em = font["head"].unitsPerEm
        b = self._bounds(face, font.getGlyphOrder()[glyph])
        return (b[2] - b[0]) * width / em, (b[3] - b[1]) * height / em

    def shape_aspect(self, face, glyph):
        """Ink width over ink height of a shape drawn square."""
        w, h = self.shape_box(face, glyph, 1000, 1000)
        return w / h
