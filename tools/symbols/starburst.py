"""Starburst Regular: starbursts, seals, badges and rosettes.

Glyph 19 is a 24-point starburst: the default shape of a new image object and
the preview of the style buttons, so the first 30 glyphs stay starbursts.
"""

import math

from geometry import circle, radial, solid, star, hole, move, polygon, scale

# (points, inner radius), glyphs 1 to 30. Glyph 19 (index 18 here) is the
# 24-point burst the program defaults to.
BURSTS = [(n, 0.72) for n in (8, 10, 12, 14, 16, 18, 20, 28, 32, 36)] + \
         [(n, 0.84) for n in (12, 16, 20, 28, 32, 40, 48, 60)] + \
         [(24, 0.78)] + \
         [(n, 0.58) for n in (6, 7, 9, 11, 13, 15, 17, 24, 30, 36, 44)]
assert len(BURSTS) == 30 and BURSTS[18] == (24, 0.78)


def burst(points, inner):
    return [solid(star(points, 1.0, inner))]


def seal(bumps, depth):
    """A circle with a scalloped edge."""
    return solid(radial(lambda t: 1.0 - depth * (1 - abs(math.cos(bumps * t / 2))), bumps * 8))


def stamp(bumps, depth, lines):
    """A scalloped seal with thin rings cut into it, as a wax or ink stamp."""
    return [seal(bumps, depth)] + [c for r in lines
                                   for c in (hole(circle(0, 0, r)), solid(circle(0, 0, r - 0.05)))]


def badge(outline, hole_r, disc_r):
    """An outline with a ring cut into it and a disc in the middle."""
    return [solid(outline), hole(circle(0, 0, hole_r)), solid(circle(0, 0, disc_r))]


def rosette(petals, inner, with_tails):
    flower = solid(radial(lambda t: inner + (1 - inner) * abs(math.cos(petals * t / 2)) ** 0.6,
                          petals * 10))
    shape = [flower, hole(circle(0, 0, inner * 0.8)), solid(circle(0, 0, inner * 0.62))]
    if not with_tails:
        return shape
    shape = scale(shape, 0.72)
    shape = move(shape, 0, 0.26)
    for side in (-1, 1):
        tail = polygon([(side * 0.12, -0.05), (side * 0.48, -0.95), (side * 0.3, -0.82),
                        (side * 0.16, -1.0), (side * -0.12, -0.2)])
        shape.insert(0, solid(tail))
    return shape


def glyphs():
    out = []
    for points, inner in BURSTS:
        out.append((f"burst{points}_{round(inner * 100)}", burst(points, inner)))
    # The finer seals carry rings, or they would look like the plain 24-scallop seal.
    for bumps, depth, lines in ((12, 0.12, ()), (16, 0.07, ()), (20, 0.07, ()), (24, 0.09, ()),
                                (30, 0.05, (0.86,)), (36, 0.04, (0.84,)), (10, 0.12, ()),
                                (14, 0.1, ()), (18, 0.09, ()), (40, 0.035, (0.86, 0.72))):
        out.append((f"seal{bumps}", stamp(bumps, depth, lines)))
    for i, (points, inner) in enumerate(((16, 0.82), (20, 0.84), (24, 0.86), (32, 0.88),
                                         (12, 0.78), (40, 0.9))):
        out.append((f"badge_burst{points}", badge(star(points, 1.0, inner), inner - 0.06,
                                                  inner - 0.14)))
    for bumps in (12, 18, 24, 30, 36, 48):
        out.append((f"badge_seal{bumps}",
                    badge(radial(lambda t, b=bumps: 1.0 - 0.05 * (1 - abs(math.cos(b * t / 2))),
                                 bumps * 8), 0.84, 0.76)))
    for petals in (8, 10, 12, 16, 20, 24):
        out.append((f"rosette{petals}", rosette(petals, 0.62, False)))
    for petals in (8, 10, 12, 16, 20, 24):
        out.append((f"rosette{petals}_ribbons", rosette(petals, 0.62, True)))
    return out
