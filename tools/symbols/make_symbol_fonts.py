"""Writes our own symbol fonts (CFF-flavoured OpenType) into a folder:

    make_symbol_fonts.py OUTDIR

Emblems.otf ("Emblems Regular"), Starburst.otf ("Starburst Regular"),
Pointers.otf ("Pointers Regular") and Geometric.otf ("Geometric Regular").
Glyph indices are fixed by the order of the glyph lists (glyph 0 is an empty
.notdef), since logos refer to shapes by index.
Run with Debian's /usr/bin/python3, which has fontTools.
"""

import os
import sys

from fontTools.fontBuilder import FontBuilder
from fontTools.pens.t2CharStringPen import T2CharStringPen

import emblems
import geometric
import pointers
import starburst
from geometry import draw, to_em

EM = 1000
ADVANCE = 1000
FIRST_CODE = 0xE000  # each shape also gets a private-use character


def build(family, glyphs, path):
    order = [".notdef"] + [name for name, _ in glyphs]
    if len(set(order)) != len(order):
        raise SystemExit(f"{family}: duplicate glyph names")
    charstrings = {}
    pen = T2CharStringPen(ADVANCE, None)
    charstrings[".notdef"] = pen.getCharString()
    bounds = {}
    for name, shape in glyphs:
        pen = T2CharStringPen(ADVANCE, None)
        placed = to_em(shape, EM)
        draw(placed, pen)
        charstrings[name] = pen.getCharString()
        xs = [p[0] for c in placed for p in [c[0]] + [q for s in c[1] for q in s[1:]]]
        bounds[name] = min(xs)

    fb = FontBuilder(EM, isTTF=False)
    fb.setupGlyphOrder(order)
    fb.setupCharacterMap({FIRST_CODE + i: name for i, name in enumerate(order[1:])})
    fb.setupCFF(f"{family}-Regular", {"FullName": f"{family} Regular"}, charstrings, {})
    fb.setupHorizontalMetrics({name: (ADVANCE, bounds.get(name, 0)) for name in order})
    fb.setupHorizontalHeader(ascent=800, descent=-200)
    fb.setupNameTable({"familyName": family, "styleName": "Regular",
                       "copyright": "Drawn by the Vexo Logo data build",
                       "version": "Version 1.000"})
    fb.setupOS2(sTypoAscender=800, sTypoDescender=-200, usWinAscent=800, usWinDescent=200)
    fb.setupPost()
    fb.save(path)


def main():
    if len(sys.argv) != 2:
        raise SystemExit("usage: make_symbol_fonts.py OUTDIR")
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    build("Emblems", emblems.glyphs(), os.path.join(out, "Emblems.otf"))
    build("Starburst", starburst.glyphs(), os.path.join(out, "Starburst.otf"))
    build("Pointers", pointers.glyphs(), os.path.join(out, "Pointers.otf"))
    build("Geometric", geometric.glyphs(), os.path.join(out, "Geometric.otf"))


if __name__ == "__main__":
    main()
