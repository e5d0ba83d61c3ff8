#!/usr/bin/env python3
"""Contact sheets of a built program folder's templates and styles, as PNG
pictures to look at after changing the tables:

    data/content/contact_sheet.py PROGRAM_DIR OUT_DIR

templates-N.png shows nine template previews ("a") a sheet with their
titles, hover-N.png the same with the "c" previews; styles-N.png shows
thirty styles a sheet, each on the style row's star and on a word."""

import glob
import json
import os
import shutil
import subprocess
import sys

import styles


def render(cli, doc, out_png, size):
    base = out_png[:-4]
    with open(base + ".json", "w", encoding="utf-8") as f:
        json.dump(doc, f)
    subprocess.run([cli, "from-json", base + ".json", base + ".zeb"], check=True)
    subprocess.run([cli, "render", base + ".zeb", out_png, "--size", size, "--seed", "1"], check=True)
    os.remove(base + ".json")
    os.remove(base + ".zeb")


def label(text, x, y, size=14):
    return {"type": 0, "x": x, "y": y,
            "lt": {"str": text, "font": "DejaVu Sans Book", "size": size, "color": [0, 0, 60]}}


def template_sheets(cli, program, out, suffix, name):
    work = os.path.join(out, "previews")
    os.makedirs(work, exist_ok=True)
    files = sorted(glob.glob(os.path.join(program, "templates", "*.zeb")))
    for sheet in range(0, len(files), 9):
        objs = []
        for i, path in enumerate(files[sheet:sheet + 9]):
            title = os.path.basename(path)[:-4]
            gif = os.path.join(work, f"{sheet + i}{suffix}.gif")
            shutil.copy(path[:-4] + suffix + ".bpr", gif)
            x, y = (i % 3) * 385 - 385, (i // 3) * 255 - 255
            objs.append({"type": 2, "file": gif, "x": x, "y": y, "lt": {"str": ""}})
            objs.append(label(title, x, y + 124))
        doc = {"version": 2, "bgc": [0, 0, 200], "cur": -1, "objects": objs}
        render(cli, doc, os.path.join(out, f"{name}-{sheet // 9 + 1}.png"), "1400x1000")


def style_sheets(cli, out):
    for sheet in range(0, len(styles.ALL), 30):
        objs = []
        for i, s in enumerate(styles.ALL[sheet:sheet + 30]):
            n = sheet + i + 1
            x, y = (i % 6) * 190 - 475, (i // 6) * 150 - 300
            fields = styles.style_fields(s)
            star = {"font": "Starburst Regular", "shape": 19, "size": 56, "width": 56}
            word = {"str": "Logo", "font": "League Spartan Black", "size": 54}
            star.update(fields)
            word.update(fields)
            objs.append({"type": 1, "x": x - 55, "y": y, "lt": star})
            objs.append({"type": 0, "x": x + 35, "y": y, "lt": word})
            objs.append(label(f"{n} {s['name']}", x, y + 50, 13))
        doc = {"version": 2, "bgc": [0, 0, 240], "cur": -1, "objects": objs}
        render(cli, doc, os.path.join(out, f"styles-{sheet // 30 + 1}.png"), "1400x1000")


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    program, out = sys.argv[1:]
    os.makedirs(out, exist_ok=True)
    cli = os.path.join(program, "vexologo-cli")
    template_sheets(cli, program, out, "a", "templates")
    template_sheets(cli, program, out, "c", "hover")
    style_sheets(cli, out)


if __name__ == "__main__":
    main()
