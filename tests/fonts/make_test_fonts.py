"""Writes the small fonts the library tests pack into libraries:

    make_test_fonts.py OUTDIR

Each font is a TrueType font whose glyphs are squares, except where a glyph is
meant to be empty. Run with /usr/bin/python3 (fontTools).
"""

import os
import sys

from fontTools.fontBuilder import FontBuilder
from fontTools.pens.ttGlyphPen import TTGlyphPen

# file: (family, style, glyph count, indices of empty glyphs besides .notdef)
FONTS = {
    "sym-a.ttf": ("Sym A", "Regular", 3, ()),
    "sym-b.ttf": ("Sym B", "Regular", 5, (2,)),
    "drac.ttf": ("Drac", "Bold", 8, ()),
    "dup-2.ttf": ("Dup", "Regular", 2, ()),
    "dup-4.ttf": ("Dup", "Regular", 4, ()),
    "dup-6.ttf": ("Dup", "Regular", 6, ()),
    "text-a.ttf": ("Text A", "Regular", 3, ()),
    "text-b.ttf": ("Text B", "Regular", 3, ()),
    "text-c.ttf": ("Text C", "Regular", 3, ()),
    "many.ttf": ("Many", "Regular", 10003, ()),
}

# Fonts whose naming takes each way FreeType has of naming a face: file:
# (name table strings, fsSelection, whether Windows and Mac records are written).
NAMED = {
    "names-typo.ttf": ({"familyName": "Names", "styleName": "Regular",
                        "typographicFamily": "Names Typo", "typographicSubfamily": "Light"},
                       0x40, True, True),
    "names-wws.ttf": ({"familyName": "Names", "styleName": "Regular",
                       "typographicFamily": "Typo", "typographicSubfamily": "Sub",
                       "wwsFamilyName": "Wws", "wwsSubfamilyName": "Style"}, 0x140, True, True),
    "names-no-wws-flag.ttf": ({"familyName": "Names", "styleName": "Regular",
                               "typographicFamily": "Typo", "typographicSubfamily": "Sub",
                               "wwsFamilyName": "Wws", "wwsSubfamilyName": "Style"},
                              0x40, True, True),
    "names-mac.ttf": ({"familyName": "Mac Only", "styleName": "Book"}, 0x40, False, True),
    "names-accent.ttf": ({"familyName": "Caf\u00e9 \u00c9t\u00e9", "styleName": "Regular"},
                         0x40, True, False),
}


def square():
    pen = TTGlyphPen(None)
    pen.moveTo((100, 0))
    pen.lineTo((100, 600))
    pen.lineTo((500, 600))
    pen.lineTo((500, 0))
    pen.closePath()
    return pen.glyph()


def empty():
    return TTGlyphPen(None).glyph()


def build(path, family, style, count, empties, names=None, fs_selection=0x40, windows=True,
          mac=True):
    order = [".notdef"] + [f"g{i}" for i in range(1, count)]
    glyphs = {name: (empty() if i == 0 or i in empties else square())
              for i, name in enumerate(order)}
    fb = FontBuilder(1000, isTTF=True)
    fb.setupGlyphOrder(order)
    fb.setupCharacterMap({0x41 + i: name for i, name in enumerate(order[1:27])})
    fb.setupGlyf(glyphs)
    fb.setupHorizontalMetrics({name: (600, 0) for name in order})
    fb.setupHorizontalHeader(ascent=800, descent=-200)
    fb.setupNameTable(names or {"familyName": family, "styleName": style}, windows=windows,
                      mac=mac)
    fb.setupOS2(version=4, fsSelection=fs_selection)
    fb.setupPost()
    fb.save(path)


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    for name, spec in FONTS.items():
        build(os.path.join(out, name), *spec)
    for name, (names, fs_selection, windows, mac) in NAMED.items():
        build(os.path.join(out, name), "", "", 3, (), names, fs_selection, windows, mac)


if __name__ == "__main__":
    main()
