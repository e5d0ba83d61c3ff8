"""Kerning for FreeType's `kern` reader, taken from a face's GPOS.

The renderer kerns with FT_Get_Kerning, which reads only a format-0 `kern`
table. Many faces keep their kerning in GPOS alone, so the data build writes
the pair adjustments of GPOS's `kern` feature into a `kern` table, for the
glyphs code page 1252 reaches, as a shaper would apply them to Latin text.
"""

from fontTools.ttLib import newTable
from fontTools.ttLib.tables._k_e_r_n import KernTable_format_0

# A format-0 subtable's length is a 16-bit count of bytes: 14 bytes of headers
# and 6 a pair leave room for 10920 pairs.
MAX_PAIRS = 10900

# The characters of code page 1252 (0x80-0x9F as Windows maps them).
CP1252 = [c for c in bytes(range(0x20, 0x100)).decode("cp1252", errors="ignore")]


def _kern_lookups(gpos):
    """Indices of the lookups a shaper runs for `kern` in Latin text."""
    if not gpos.ScriptList or not gpos.FeatureList:
        return []
    scripts = {r.ScriptTag: r.Script for r in gpos.ScriptList.ScriptRecord}
    script = scripts.get("latn") or scripts.get("DFLT") or scripts.get("dflt")
    if script is None or script.DefaultLangSys is None:
        return []
    features = gpos.FeatureList.FeatureRecord
    return sorted({index for f in script.DefaultLangSys.FeatureIndex
                   if features[f].FeatureTag == "kern"
                   for index in features[f].Feature.LookupListIndex})


def _x_advance(value):
    return getattr(value, "XAdvance", 0) or 0 if value is not None else 0


def _subtables(lookup):
    for sub in lookup.SubTable:
        if lookup.LookupType == 9:
            if sub.ExtensionLookupType != 2:
                continue
            sub = sub.ExtSubTable
        elif lookup.LookupType != 2:
            continue
        yield sub


def _apply_lookup(lookup, glyphs, total):
    """Adds one lookup's adjustments: for each pair, its first subtable that applies."""
    decided = set()
    for sub in _subtables(lookup):
        firsts = [g for g in sub.Coverage.glyphs if g in glyphs]
        if sub.Format == 1:
            coverage = {g: n for n, g in enumerate(sub.Coverage.glyphs)}
            for first in firsts:
                for record in sub.PairSet[coverage[first]].PairValueRecord:
                    pair = (first, record.SecondGlyph)
                    if record.SecondGlyph in glyphs and pair not in decided:
                        decided.add(pair)
                        total[pair] = total.get(pair, 0) + _x_advance(record.Value1)
        elif sub.Format == 2:
            classes1, classes2 = sub.ClassDef1.classDefs, sub.ClassDef2.classDefs
            for first in firsts:
                row = sub.Class1Record[classes1.get(first, 0)].Class2Record
                for second in glyphs:
                    pair = (first, second)
                    klass = classes2.get(second, 0)
                    if pair in decided or klass >= len(row):
                        continue
                    decided.add(pair)
                    total[pair] = total.get(pair, 0) + _x_advance(row[klass].Value1)


def gpos_kerning(font):
    """The pairs {(left, right): adjustment} of GPOS `kern` among code page
    1252 glyphs, or None when the face has no GPOS kerning."""
    if "GPOS" not in font:
        return None
    gpos = font["GPOS"].table
    lookups = _kern_lookups(gpos)
    if not lookups:
        return None
    cmap = font.getBestCmap()
    glyphs = sorted({cmap[ord(c)] for c in CP1252 if ord(c) in cmap})
    total = {}
    for index in lookups:
        _apply_lookup(gpos.LookupList.Lookup[index], set(glyphs), total)
    return {pair: value for pair, value in total.items() if value != 0}


def write_kern_table(font, pairs):
    """Replaces the face's `kern` table by one subtable of the strongest pairs."""
    strongest = sorted(pairs.items(), key=lambda item: (-abs(item[1]), item[0]))[:MAX_PAIRS]
    subtable = KernTable_format_0()
    subtable.coverage = 1  # horizontal kerning, values added to the advance
    subtable.tupleIndex = None
    subtable.kernTable = dict(strongest)
    kern = newTable("kern")
    kern.version = 0
    kern.kernTables = [subtable]
    font["kern"] = kern
    return len(strongest)
