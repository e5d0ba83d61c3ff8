#!/usr/bin/env python3
"""Writes the JSON sources of the style and template libraries,
data/styles/*.json and data/templates/*.json, from the tables of styles.py
and templates.py. The build turns the sources into project files
(tools/BuildContent.cpp); run this after changing a table:

    data/content/make_sources.py BUILD_DIR

BUILD_DIR is a configured and built tree: the layouts measure texts and
shapes with the fonts, and our own symbol fonts are drawn there
(BUILD_DIR/data/symbols)."""

import glob
import json
import os
import re
import subprocess
import sys

import styles
import templates
from metrics import Metrics

HERE = os.path.dirname(os.path.abspath(__file__))
DATA = os.path.dirname(HERE)


def document(bgc, objects):
    return {"version": 2, "bgc": list(bgc), "cur": len(objects) - 1, "fixed_canvas": 0,
            "canvas_w": 1, "canvas_h": 1, "objects": objects}


def style_document(s):
    # What the style row draws: the new-shape star, here large enough to see.
    lt = {"str": s["name"], "font": "Starburst Regular", "shape": 19, "size": 96, "width": 96}
    lt.update(styles.style_fields(s))
    return document((0, 0, 240), [{"type": 1, "x": 0, "y": 0, "lt": lt}])


def write(folder, name, doc):
    with open(os.path.join(folder, name), "w", encoding="utf-8") as f:
        json.dump(doc, f, indent=1, ensure_ascii=False)
        f.write("\n")


def replace_folder(folder, files):
    os.makedirs(folder, exist_ok=True)
    for old in glob.glob(os.path.join(folder, "*.json")):
        os.remove(old)
    for name, doc in files:
        write(folder, name, doc)


def slug(text):
    return re.sub(r"[^a-z0-9]+", "-", text.lower()).strip("-")


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    metrics = Metrics(os.path.join(sys.argv[1], "data", "symbols"))
    listing = subprocess.run([os.path.join(sys.argv[1], "bin", "vexologo-cli"), "shapes"],
                             check=True, capture_output=True, text=True).stdout
    shapes = {(f[1], int(f[2])) for f in (line.split("\t") for line in listing.splitlines())}
    replace_folder(os.path.join(DATA, "styles"),
                   [(f"{n + 1:03d}-{slug(s['name'])}.json", style_document(s))
                    for n, s in enumerate(styles.ALL)])
    built = templates.build(metrics, shapes)
    titles = [title for title, _, _ in built]
    if len(set(titles)) != len(titles):
        sys.exit("two templates share a title")
    replace_folder(os.path.join(DATA, "templates"),
                   [(f"{title}.json", document(bgc, objects)) for title, bgc, objects in built])
    print(f"{len(styles.ALL)} styles, {len(built)} templates")


if __name__ == "__main__":
    main()
