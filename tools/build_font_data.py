"""Builds the font libraries of the program folder from the manifests in
data/fonts and from installed Debian font packages:

    build_font_data.py SOURCE_DIR SYMBOLS_DIR WORK_DIR PROGRAM_DIR PACK FACENAMES

writes PROGRAM_DIR/basgl.bgd, PROGRAM_DIR/embedded/emb0.gld ... emb10.gld and
PROGRAM_DIR/font-licences.txt. SYMBOLS_DIR holds our own symbol fonts, WORK_DIR
takes intermediate files (prepared faces and cut fonts are kept there and
reused while their inputs stay the same), PACK is vexo-pack and FACENAMES
vexo-facenames. WORK_DIR/report.txt lists what the build did to each face.

Text faces get a `kern` table from their GPOS kerning and their tidy names
(fontdata/faces.py); symbol faces lose excluded glyphs, trademarks and repeats
(fontdata/shapes.py).

Fails, naming the package, when a font file is missing; fails when a face is
not named as its manifest says, lacks a character logos are typed with (text
fonts), or has the name of another face.
"""

import logging
import multiprocessing
import os
import subprocess
import sys

from fontdata import faces, marks, shapes

# Letter tabs of the text bar and the library file of each category. The first
# two files keep the names the program has always read.
TABS = ["a", "b", "c", "de", "fg", "hij", "kl", "mno", "pqr", "s", "tuvwxyz"]
CATEGORY_FILES = ["emb1.gld", "emb0.gld"] + [f"emb{n}.gld" for n in range(2, 11)]
OUR_PACKAGE = "vexologo"
LICENCES_FILE = "font-licences.txt"


class BuildError(Exception):
    pass


def read_tsv(path, columns, optional=0):
    """Rows of `columns` fields, then `optional` fields that are None when absent."""
    rows = []
    with open(path, encoding="utf-8") as f:
        for n, line in enumerate(f, 1):
            line = line.rstrip("\n")
            if not line or line.startswith("#"):
                continue
            fields = line.split("\t")
            if len(fields) < columns:
                raise BuildError(f"{path}:{n}: expected {columns} tab-separated columns")
            fields = fields[:columns + optional]
            rows.append(fields + [None] * (columns + optional - len(fields)))
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


def check_names(rows, info):
    for pkg, path, face, *_ in rows:
        name = info[path][0]
        if name != face:
            raise BuildError(f"{path} ({pkg}): FreeType names it {name!r}, the manifest {face!r}")


def check_characters(rows, info):
    for pkg, path, face, *_ in rows:
        missing = info[path][2]
        if missing != "-":
            raise BuildError(f"{face} ({pkg}) lacks characters logos are typed with: {missing}")


def shown_name(row):
    return row[2] if row[4] is None else f"{row[4]} {row[5]}"


def prepare_text_faces(rows, work_dir):
    """Renames and kerns the text faces; returns the kerning pairs written per face."""
    jobs = [(row[1], row[4], row[5], work_dir) for row in rows]
    with multiprocessing.Pool(2) as pool:
        prepared = pool.map(faces.prepare_job, jobs)
    pairs = {}
    for row, (path, written, _) in zip(rows, prepared):
        row[1], row[2] = path, shown_name(row)
        pairs[row[2]] = written
    faces.remove_stale(work_dir, {key for _, _, key in prepared})
    return pairs


def write_report(path, tabs, pairs, cut):
    lines = ["Text faces per letter tab"]
    lines += [f"  {TABS[n].upper()}\t{len(rows)}" for n, rows in enumerate(tabs)]
    lines += [f"  total\t{sum(len(rows) for rows in tabs)}", "",
              "Kerning pairs written from GPOS (- keeps the face's own kerning)"]
    lines += [f"  {face}\t{'-' if n is None else n}" for face, n in sorted(pairs.items())]
    lines += ["", "Glyphs cut from symbol faces"]
    for face, glyphs in cut.items():
        for glyph, reason in sorted(glyphs.items()):
            lines.append(f"  {face}\t{glyph}\t{reason}")
    with open(path, "w", encoding="utf-8") as f:
        f.write("\n".join(lines) + "\n")


def read_exclusions(path):
    by_face = {}
    for face, glyph in read_tsv(path, 2):
        by_face.setdefault(face, []).append(glyph.strip())
    return by_face


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
             "hold the fonts below. Text fonts whose kerning is in GPOS get the same",
             "kerning as a `kern` table, and a few get tidier names in their name",
             "table; symbol fonts lose trademarks and glyphs that repeat another (the",
             "program's data/fonts/excluded-glyphs.txt and trademarks.txt). Nothing",
             "else is changed. Each face is given with the Debian package it was taken",
             "from and its licence; the full copyright and licence text of every",
             "package follows.",
             "",
             "Emblems, Starburst, Pointers and Geometric are drawn by Vexo Logo's own",
             "data build (tools/symbols) and are part of Vexo Logo.", ""]
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
    text_rows = read_tsv(os.path.join(fonts_dir, "text-fonts.tsv"), 4, optional=2)
    symbol_rows = read_tsv(os.path.join(fonts_dir, "symbol-fonts.tsv"), 5, optional=1)
    require_files(text_rows, symbols_dir)
    require_files(symbol_rows, symbols_dir)
    os.makedirs(work_dir, exist_ok=True)
    os.makedirs(os.path.join(program_dir, "embedded"), exist_ok=True)

    exclusions = read_exclusions(os.path.join(fonts_dir, "excluded-glyphs.txt"))
    unknown_faces = set(exclusions) - {row[2] for row in symbol_rows}
    if unknown_faces:
        raise BuildError(f"excluded-glyphs.txt names faces not in the symbol manifest: "
                         f"{', '.join(sorted(unknown_faces))}")
    info = face_info(facenames, [row[1] for row in text_rows + symbol_rows])
    check_names(text_rows + symbol_rows, info)

    trademarks = marks.read_marks(os.path.join(fonts_dir, "trademarks.txt"))
    cut = shapes.cut_symbol_faces(symbol_rows, exclusions, trademarks, OUR_PACKAGE, work_dir)
    pairs = prepare_text_faces(text_rows, work_dir)

    info = face_info(facenames, [row[1] for row in text_rows])
    check_names(text_rows, info)
    check_characters(text_rows, info)
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
    write_report(os.path.join(work_dir, "report.txt"), tabs, pairs, cut)
    print(f"font data: {len(text_rows)} text faces, "
          f"{sum(n or 0 for n in pairs.values())} kerning pairs from GPOS, "
          f"{sum(len(g) for g in cut.values())} symbol glyphs cut")


def main():
    # fontTools warns about harmless quirks of some Debian fonts' tables.
    logging.getLogger("fontTools").setLevel(logging.ERROR)
    if len(sys.argv) != 7:
        raise SystemExit(__doc__)
    try:
        build(*sys.argv[1:])
    except (BuildError, shapes.ShapeError, subprocess.CalledProcessError) as e:
        raise SystemExit(f"font data: {e}")


if __name__ == "__main__":
    main()
