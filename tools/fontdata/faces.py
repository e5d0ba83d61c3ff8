"""Text faces as the libraries hold them: renamed where their names are
untidy, and kerned through a `kern` table where their kerning is in GPOS.

Prepared faces are kept in the work folder under a key of the font file's
bytes, the new name and these modules' sources, so a rebuild redoes only the
faces that changed.
"""

import hashlib
import json
import os

from fontTools.ttLib import TTFont

from fontdata import kerning, naming

_SOURCES = [os.path.join(os.path.dirname(__file__), n)
            for n in ("faces.py", "kerning.py", "naming.py")]


def _recipe_key(path, family, style):
    digest = hashlib.sha256()
    for source in _SOURCES + [path]:
        with open(source, "rb") as f:
            digest.update(f.read())
    digest.update(f"{family}\t{style}".encode())
    return digest.hexdigest()[:24]


def prepare(path, family, style, work_dir):
    """Returns (file to pack, kerning pairs written or None when the face's
    own kerning stays, the face's key in the work folder). `family` and
    `style` are None to keep the name."""
    key = _recipe_key(path, family, style)
    folder = os.path.join(work_dir, "faces")
    os.makedirs(folder, exist_ok=True)
    record = os.path.join(folder, key + ".json")
    if os.path.exists(record):
        with open(record, encoding="utf-8") as f:
            done = json.load(f)
        if os.path.exists(done["file"]):
            return done["file"], done["pairs"], key

    reader = TTFont(path, lazy=True)
    pairs = kerning.gpos_kerning(reader)
    out_file, written = path, None
    if pairs is not None or family is not None:
        # A second, untouched copy keeps every table we do not change as it is.
        font = TTFont(path, lazy=True, recalcBBoxes=False, recalcTimestamp=False)
        font.setGlyphOrder(reader.getGlyphOrder())
        if pairs is not None:
            written = kerning.write_kern_table(font, pairs)
        if family is not None:
            naming.rename(font, family, style)
        out_file = os.path.join(folder, key + os.path.splitext(path)[1])
        font.save(out_file + ".tmp")
        os.replace(out_file + ".tmp", out_file)
    with open(record, "w", encoding="utf-8") as f:
        json.dump({"file": out_file, "pairs": written}, f)
    return out_file, written, key


def prepare_job(job):
    return prepare(*job)


def remove_stale(work_dir, keys):
    """Drops the prepared faces of earlier builds that no face uses now."""
    folder = os.path.join(work_dir, "faces")
    for name in os.listdir(folder):
        if name.split(".")[0] not in keys:
            os.remove(os.path.join(folder, name))
