"""Builds the font libraries of the program folder from the manifests in
data/fonts and from installed Debian font packages:

    build_font_data.py SOURCE_DIR SYMBOLS_DIR WORK_DIR PROGRAM_DIR PACK FACENAMES

writes PROGRAM_DIR/basgl.bgd, PROGRAM_DIR/embedded/emb0.gld ... emb10.gld and
PROGRAM_DIR/font-licences.txt. SYMBOLS_DIR holds our own symbol fonts, WORK_DIR
takes intermediate files, PACK is vexo-pack and FACENAMES vexo-facenames.

Fails, naming the package, when a font file is missing; fails when a face is
not named as its manifest says, is not Latin-complete (text fonts), or has the
name of another face.
"""

import logging
import os
import subprocess
import sys

from fontTools.ttLib import TTFont
from fontTools.ttLib.tables._g_l_y_f import Glyph

# Letter tabs of the text bar and the library file of each category. The first
# two files keep the names the program has always read.
TABS = ["a", "b", "c", "de", "fg", "hij", "kl", "mno", "pqr", "s", "tuvwxyz"]
CATEGORY_FILES = ["emb1.gld", "emb0.gld"] + [f"emb{n}.gld" for n in range(2, 11)]
OUR_PACKAGE = "vexologo"
LICENCES_FILE = "font-licences.txt"


class BuildError(Exception):
    pass


def read_tsv(path, columns):
    rows = []
    with open(path, encoding="utf-8") as f:
        for n, line in enumerate(f, 1):
            line = line.rstrip("\n")
            if not line or line.startswith("#"):
                continue
            fields = line.split("\t")
            if len(fields) < columns:
                raise BuildError(f"{path}:{n}: expected {columns} tab-separated columns")
            rows.append(fields[:columns])
    return rows


def require_files(rows, symbols_dir):
    """Resolves our own fonts and checks that every package's file is there."""
    for row in rows:
        if row[0] == OUR_PACKAGE:
            row[1] = os.path.join(symbols_dir, row[1])
        if not os.path.isfile(row[1]):
            raise BuildError(f"font package {row[0]} is not installed ({row[1]} is missing); "
                             f"run scripts/install-deps")


def face_info(facenames, paths):
    out = subprocess.run([facenames] + paths, check=True, capture_output=True, text=True).stdout
    info = {}
    for line in out.splitlines():
        path, name, glyphs, missing = line.split("\t")
        info[path] = (name, int(glyphs), missing)
    return info


def check_names(rows, info, latin):
    for pkg, path, face, *_ in rows:
        name, _, missing = info[path]
        if name != face:
            raise BuildError(f"{path} ({pkg}): FreeType names it {name!r}, the manifest {face!r}")
        if latin and missing != "-":
            raise BuildError(f"{face} ({pkg}) is not Latin-complete: lacks {missing}")


def read_exclusions(path):
    by_face = {}
    for face, glyph in read_tsv(path, 2):
        by_face.setdefault(face, []).append(glyph.strip())
    return by_face


def cut_glyphs(path, face, names, work_dir):
    """Empties `names` in a TrueType font, keeping every glyph's index."""
    font = TTFont(path)
    if "glyf" not in font:
        raise BuildError(f"{face}: glyphs can only be cut from TrueType outlines")
    order = set(font.getGlyphOrder())
    unknown = [n for n in names if n not in order]
    if unknown:
        raise BuildError(f"{face}: no glyphs named {', '.join(unknown)}")
    glyf = font["glyf"]
    for n in names:
        glyf[n] = Glyph()
    gone = set(names)
    for table in font["cmap"].tables:
        table.cmap = {c: g for c, g in table.cmap.items() if g not in gone}
    post = font["post"]
    if post.formatType != 2.0:
        # Store the glyph names, so that the cut font says what it lost.
        post.formatType = 2.0
        post.extraNames = []
        post.mapping = {}
    out = os.path.join(work_dir, "cut-" + os.path.basename(path))
    font.save(out)
    return out


def tab_of(face):
    first = face.lstrip()[:1].casefold()
    for n, letters in enumerate(TABS):
        if first and first in letters:
            return n
    raise BuildError(f"{face!r} does not start with a letter: no tab can hold it")


def pack(tool, work_dir, out, records):
    listing = os.path.join(work_dir, os.path.basename(out) + ".list")
    with open(listing, "w", encoding="utf-8") as f:
        for label, path in records:
            f.write(f"{label}\t{path}\n")
    subprocess.run([tool, out, listing], check=True)


def write_licences(path, text_rows, symbol_rows):
    lines = ["Fonts of Vexo Logo",
             "==================",
             "",
             "The font and symbol libraries of this folder (basgl.bgd, embedded/*.gld)",
             "hold the fonts below, unchanged except that the symbol fonts lose the",
             "glyphs listed in the program's data/fonts/excluded-glyphs.txt. Each face",
             "is given with the Debian package it was taken from and its licence; the",
             "full copyright and licence text of every package follows.",
             "",
             "Starburst, Pointers and Geometric are drawn by Vexo Logo's own data build",
             "(tools/symbols) and are part of Vexo Logo.", ""]
    for title, rows in (("Symbol fonts", symbol_rows), ("Text fonts", text_rows)):
        lines += [title, "-" * len(title)]
        lines += [f"{row[2]}\t{row[0]}\t{row[3]}" for row in rows]
        lines.append("")
    for pkg in sorted({row[0] for row in text_rows + symbol_rows} - {OUR_PACKAGE}):
        copyright_file = f"/usr/share/doc/{pkg}/copyright"
        with open(copyright_file, encoding="utf-8", errors="replace") as f:
            text = f.read()
        lines += ["=" * 78, f"{pkg}: {copyright_file}", "=" * 78, text.rstrip(), ""]
    tmp = path + ".tmp"
    with open(tmp, "w", encoding="utf-8") as f:
        f.write("\n".join(lines) + "\n")
    os.replace(tmp, path)


def build(source_dir, symbols_dir, work_dir, program_dir, pack_tool, facenames):
    fonts_dir = os.path.join(source_dir, "data", "fonts")
    text_rows = read_tsv(os.path.join(fonts_dir, "text-fonts.tsv"), 4)
    symbol_rows = read_tsv(os.path.join(fonts_dir, "symbol-fonts.tsv"), 5)
    require_files(text_rows, symbols_dir)
    require_files(symbol_rows, symbols_dir)
    os.makedirs(work_dir, exist_ok=True)
    os.makedirs(os.path.join(program_dir, "embedded"), exist_ok=True)

    exclusions = read_exclusions(os.path.join(fonts_dir, "excluded-glyphs.txt"))
    unknown_faces = set(exclusions) - {row[2] for row in symbol_rows}
    if unknown_faces:
        raise BuildError(f"excluded-glyphs.txt names faces not in the symbol manifest: "
                         f"{', '.join(sorted(unknown_faces))}")
    for row in symbol_rows:
        if row[2] in exclusions:
            row[1] = cut_glyphs(row[1], row[2], exclusions[row[2]], work_dir)

    info = face_info(facenames, [row[1] for row in text_rows + symbol_rows])
    check_names(text_rows, info, latin=True)
    check_names(symbol_rows, info, latin=False)
    names = [row[2] for row in symbol_rows + text_rows]
    duplicates = sorted({n for n in names if names.count(n) > 1})
    if duplicates:
        raise BuildError(f"face names occur twice: {', '.join(duplicates)}")

    pack(pack_tool, work_dir, os.path.join(program_dir, "basgl.bgd"),
         [(row[4], row[1]) for row in symbol_rows])
    tabs = [[] for _ in TABS]
    for row in text_rows:
        tabs[tab_of(row[2])].append(row)
    for cat, rows in enumerate(tabs):
        rows.sort(key=lambda row: (row[2].lstrip().casefold(), row[2]))
        pack(pack_tool, work_dir, os.path.join(program_dir, "embedded", CATEGORY_FILES[cat]),
             [(TABS[cat].upper(), row[1]) for row in rows])
    write_licences(os.path.join(program_dir, LICENCES_FILE), text_rows, symbol_rows)


def main():
    # fontTools warns about harmless quirks of some Debian fonts' tables.
    logging.getLogger("fontTools").setLevel(logging.ERROR)
    if len(sys.argv) != 7:
        raise SystemExit(__doc__)
    try:
        build(*sys.argv[1:])
    except (BuildError, subprocess.CalledProcessError) as e:
        raise SystemExit(f"font data: {e}")


if __name__ == "__main__":
    main()
