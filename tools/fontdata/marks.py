"""Trademarks cut from every symbol face, found by icon name.

A glyph's icon names are its own glyph name and, for a face whose package
ships a stylesheet, the names the stylesheet gives the glyph's code points
(Material Icons names its glyphs by code point only). A mark is a glob pattern
of icon names; every face loses every glyph a mark matches.
"""

import fnmatch
import re

# `"name": e84d,` in a Sass map, or `.el-name:before { content: "\f101"; }` in CSS.
_SASS_ENTRY = re.compile(r'"([a-z0-9_]+)":\s*([0-9a-f]{4,5})\b')
_CSS_ENTRY = re.compile(r'\.[a-z]+-([a-z0-9-]+):before\s*\{\s*content:\s*"\\([0-9a-f]{4,5})"')


def read_marks(path):
    marks = []
    with open(path, encoding="utf-8") as f:
        for line in f:
            pattern = line.split("#", 1)[0].strip()
            if pattern:
                marks.append(pattern)
    return marks


def read_name_list(path):
    """{code point: [icon names]} from a package's stylesheet."""
    with open(path, encoding="utf-8") as f:
        text = f.read()
    names = {}
    for pattern in (_SASS_ENTRY, _CSS_ENTRY):
        for name, code in pattern.findall(text):
            names.setdefault(int(code, 16), []).append(name)
    return names


def icon_names(font, name_list):
    """{glyph name: set of icon names} of every glyph of `font`."""
    icons = {g: {g} for g in font.getGlyphOrder()}
    for code, glyph in font.getBestCmap().items():
        icons[glyph].update(name_list.get(code, []))
    return icons


def marked_glyphs(icons, marks):
    """{glyph name: [marks that match it]} for every glyph a mark matches."""
    found = {}
    for glyph, names in icons.items():
        matched = [m for m in marks if any(fnmatch.fnmatchcase(n, m) for n in names)]
        if matched:
            found[glyph] = matched
    return found
