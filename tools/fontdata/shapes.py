"""Which glyphs of the symbol faces are never offered, and the cut fonts.

A glyph is cut when excluded-glyphs.txt names it, when a trademark pattern
matches its icon name (marks.py), or when it repeats a glyph offered before it
(repeats.py; earlier faces of the manifest, then lower glyph indices, win).
Glyphs are emptied rather than removed, so every other glyph keeps its index.
"""

import hashlib
import json
import os

import freetype
from fontTools.misc.psCharStrings import T2CharString
from fontTools.ttLib import TTFont
from fontTools.ttLib.tables._g_l_y_f import Glyph

from fontdata import marks as marks_module
from fontdata import repeats as repeats_module


class ShapeError(Exception):
    pass


def _digest(paths):
    digest = hashlib.sha256()
    for path in paths:
        with open(path, "rb") as f:
            digest.update(f.read())
    return digest.hexdigest()[:24]


def _find_repeats(faces, cut, cache_dir):
    """faces: [(face name, path)] in manifest order. Cached under the inputs' digest."""
    sources = [os.path.join(os.path.dirname(__file__), "repeats.py")]
    key = _digest(sources + [p for _, p in faces]) + hashlib.sha256(
        json.dumps(sorted((f, sorted(g)) for f, g in cut.items())).encode()).hexdigest()[:16]
    record = os.path.join(cache_dir, f"repeats-{key}.json")
    for name in os.listdir(cache_dir):
        if name.startswith("repeats-") and os.path.join(cache_dir, name) != record:
            os.remove(os.path.join(cache_dir, name))
    if os.path.exists(record):
        with open(record, encoding="utf-8") as f:
            return [tuple(x) for x in json.load(f)]
    shapes = []
    for face_name, path in faces:
        face = freetype.Face(path)
        order = TTFont(path, lazy=True).getGlyphOrder()
        for index in range(1, face.num_glyphs):
            if order[index] in cut.get(face_name, ()):
                continue
            cover = repeats_module.coverage(face, index)
            if cover is not None and cover.any():
                shapes.append(((face_name, order[index]), cover))
    found = repeats_module.find_repeats(shapes)
    result = [(face, glyph, *found[(face, glyph)]) for (face, glyph), _ in shapes
              if (face, glyph) in found]
    os.makedirs(cache_dir, exist_ok=True)
    with open(record, "w", encoding="utf-8") as f:
        json.dump(result, f)
    return result


def _empty_glyphs(path, names, out):
    font = TTFont(path)
    if "glyf" in font:
        for n in names:
            font["glyf"][n] = Glyph()
    else:
        charstrings = font["CFF "].cff.topDictIndex[0].CharStrings
        for n in names:
            old = charstrings[n]
            charstrings[n] = T2CharString(program=["endchar"], private=old.private,
                                          globalSubrs=old.globalSubrs)
    gone = set(names)
    for table in font["cmap"].tables:
        table.cmap = {c: g for c, g in table.cmap.items() if g not in gone}
    post = font["post"]
    if post.formatType != 2.0 and "glyf" in font:
        # Store the glyph names, so that the cut font says what it lost.
        post.formatType = 2.0
        post.extraNames = []
        post.mapping = {}
    font.save(out + ".tmp")
    os.replace(out + ".tmp", out)


def _cut_copy(path, names, work_dir):
    """The font at `path` with `names` emptied, kept in the work folder."""
    if not names:
        return path
    key = _digest([path, __file__]) + "-" + hashlib.sha256(
        "\n".join(sorted(names)).encode()).hexdigest()[:12]
    out = os.path.join(work_dir, f"cut-{key}{os.path.splitext(path)[1]}")
    if not os.path.exists(out):
        _empty_glyphs(path, sorted(names), out)
    return out


def _listed_cuts(rows, exclusions, marks, own_package):
    """{face: {glyph: reason}} of excluded-glyphs.txt and trademarks.txt."""
    cut = {row[2]: {g: "excluded" for g in exclusions.get(row[2], [])} for row in rows}
    used_marks = set()
    for package, path, face, *_, name_list in rows:
        font = TTFont(path, lazy=True)
        order = set(font.getGlyphOrder())
        unknown = [g for g in cut[face] if g not in order]
        if unknown:
            raise ShapeError(f"{face}: no glyphs named {', '.join(unknown)}")
        listed = marks_module.read_name_list(name_list) if name_list else {}
        for glyph, matched in marks_module.marked_glyphs(
                marks_module.icon_names(font, listed), marks).items():
            used_marks.update(matched)
            if package == own_package:
                raise ShapeError(f"{face}: our own glyph {glyph} is named as a mark")
            cut[face].setdefault(glyph, "mark " + matched[0])
    unused = [m for m in marks if m not in used_marks]
    if unused:
        raise ShapeError(f"trademarks.txt: no symbol face has {', '.join(unused)}")
    return cut


def cut_symbol_faces(rows, exclusions, marks, own_package, work_dir):
    """Cuts the listed glyphs, then the repeats among what is left, and points
    each row at its cut font. Returns {face: {glyph: reason}} with reasons
    "excluded", "mark PATTERN" and "repeats FACE GLYPH"."""
    cut = _listed_cuts(rows, exclusions, marks, own_package)
    # Repeats are judged on fonts as they will be shipped: rewriting a font
    # can move its outlines by a fraction of a pixel.
    listed_cut = [(row[2], _cut_copy(row[1], cut[row[2]], work_dir)) for row in rows]
    own = {row[2] for row in rows if row[0] == own_package}
    own_repeats = []
    for face, glyph, kept_face, kept_glyph in _find_repeats(listed_cut, cut, work_dir):
        if face in own:
            own_repeats.append(f"{face} {glyph} repeats {kept_face} {kept_glyph}")
        cut[face][glyph] = f"repeats {kept_face} {kept_glyph}"
    if own_repeats:
        raise ShapeError("our own fonts draw a shape twice: " + "; ".join(own_repeats))
    for row in rows:
        row[1] = _cut_copy(row[1], cut[row[2]], work_dir)
    _remove_stale(work_dir, {p for _, p in listed_cut} | {row[1] for row in rows})
    return cut


def _remove_stale(work_dir, used):
    """Drops the cut fonts and repeat lists earlier builds left behind."""
    for name in os.listdir(work_dir):
        path = os.path.join(work_dir, name)
        if name.startswith("cut-") and path not in used:
            os.remove(path)
