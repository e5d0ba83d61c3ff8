"""Pointers Regular: arrows and pointers.

Glyphs 1 to 128 are sixteen arrow styles, each in eight directions (right,
up-right, up, ... turning counter-clockwise). Glyph 132 is a solid right arrow:
the icon of the "Next" and "Prev" buttons, which turn it.
"""

import math

from geometry import (circle, ellipse, hole, mirror_x, move, polygon, rotate, rounded_rect,
                      scale, smooth, solid)


def classic():
    return [solid(polygon([(-0.9, -0.16), (0.2, -0.16), (0.2, -0.5), (0.9, 0), (0.2, 0.5),
                           (0.2, 0.16), (-0.9, 0.16)]))]


def block():
    return [solid(polygon([(-0.85, -0.32), (0.1, -0.32), (0.1, -0.75), (0.9, 0), (0.1, 0.75),
                           (0.1, 0.32), (-0.85, 0.32)]))]


def thin():
    return [solid(polygon([(-0.95, -0.05), (0.55, -0.05), (0.38, -0.3), (0.46, -0.36),
                           (0.95, 0), (0.46, 0.36), (0.38, 0.3), (0.55, 0.05), (-0.95, 0.05)]))]


def double_headed():
    return [solid(polygon([(-0.9, 0), (-0.4, -0.45), (-0.4, -0.15), (0.4, -0.15), (0.4, -0.45),
                           (0.9, 0), (0.4, 0.45), (0.4, 0.15), (-0.4, 0.15), (-0.4, 0.45)]))]


def double_barbed():
    """A slim double-headed arrow with open barbed heads."""
    shaft = polygon([(-0.8, -0.06), (0.8, -0.06), (0.8, 0.06), (-0.8, 0.06)])
    head = polygon([(0.95, 0), (0.5, 0.45), (0.4, 0.35), (0.75, 0), (0.4, -0.35), (0.5, -0.45)])
    return [solid(shaft), solid(head), solid(rotate([head], 180)[0])]


def double_block():
    """A chunky double-headed block arrow with a split shaft."""
    half = polygon([(0.05, -0.3), (0.4, -0.3), (0.4, -0.7), (0.95, 0), (0.4, 0.7), (0.4, 0.3),
                    (0.05, 0.3)])
    return [solid(half), solid(rotate([half], 180)[0])]


def notched():
    return [solid(polygon([(-0.9, -0.45), (0.35, -0.45), (0.9, 0), (0.35, 0.45), (-0.9, 0.45),
                           (-0.5, 0)]))]


def triangle():
    return [solid(polygon([(-0.6, -0.8), (0.85, 0), (-0.6, 0.8)]))]


def chevron():
    return [solid(polygon([(-0.55, -0.85), (-0.15, -0.85), (0.65, 0), (-0.15, 0.85),
                           (-0.55, 0.85), (0.25, 0)]))]


def double_chevron():
    one = polygon([(-0.9, -0.8), (-0.55, -0.8), (0.15, 0), (-0.55, 0.8), (-0.9, 0.8), (-0.2, 0)])
    return [solid(one), solid(move([one], 0.75, 0)[0])]


def circled():
    return [solid(circle(0, 0, 0.95))] + [hole(c) for c in scale(classic(), 0.72)]


def in_ring():
    return [solid(circle(0, 0, 0.95)), hole(circle(0, 0, 0.8))] + scale(classic(), 0.6)


def curved():
    """A quarter-turn shaft rising from the lower left, its head pointing right."""
    def arc(r, start, stop):
        step = -5 if stop < start else 5
        return [(-0.1 + r * math.cos(math.radians(t)), -0.75 + r * math.sin(math.radians(t)))
                for t in range(start, stop + step, step)]
    outline = arc(0.85, 180, 90) + [(-0.1, 0.38), (0.65, -0.05), (-0.1, -0.48)] + arc(0.55, 90, 180)
    return [solid(polygon([(round(x + 0.15, 4), round(y + 0.2, 4)) for x, y in outline]))]


def rounded():
    head = polygon([(0.05, -0.6), (0.9, 0), (0.05, 0.6)])
    return [solid(rounded_rect(-0.9, -0.2, 0.3, 0.2, 0.2)), solid(head)]


def fletched():
    shape = [solid(polygon([(-0.6, -0.06), (0.45, -0.06), (0.45, -0.3), (0.95, 0), (0.45, 0.3),
                            (0.45, 0.06), (-0.6, 0.06)]))]
    for dx in (0.0, 0.22):
        for side in (-1, 1):
            shape.append(solid(polygon([(-0.62 + dx, 0), (-0.42 + dx, 0), (-0.72 + dx, side * 0.36),
                                        (-0.92 + dx, side * 0.36)])))
    return shape


def arrowhead():
    return [solid(polygon([(-0.75, -0.8), (0.85, 0), (-0.75, 0.8), (-0.35, 0)]))]


def dart():
    return [solid(polygon([(-0.9, -0.6), (0.9, 0), (-0.9, 0.6), (-0.2, 0.12), (-0.2, -0.12)]))]


def wide():
    return [solid(polygon([(-0.9, -0.25), (0.35, -0.25), (0.35, -0.5), (0.9, 0), (0.35, 0.5),
                           (0.35, 0.25), (-0.9, 0.25), (-0.65, 0)]))]


def pencil():
    """A long pointer: a slim shaft tapering to a sharp point."""
    return [solid(polygon([(-0.95, -0.14), (0.35, -0.14), (0.95, 0), (0.35, 0.14),
                           (-0.95, 0.14), (-0.8, 0)]))]


STYLES = [("arrow", classic), ("block", block), ("thin", thin), ("double", double_headed),
          ("notched", notched), ("triangle", triangle), ("chevron", chevron),
          ("dchevron", double_chevron), ("circled", circled), ("ringed", in_ring),
          ("curved", curved), ("rounded", rounded), ("fletched", fletched),
          ("head", arrowhead), ("dart", dart), ("wide", wide)]
DIRECTIONS = ["e", "ne", "n", "nw", "w", "sw", "s", "se"]


def four_way():
    arm = polygon([(0.1, -0.1), (0.55, -0.1), (0.55, -0.28), (0.95, 0), (0.55, 0.28),
                   (0.55, 0.1), (0.1, 0.1)])
    centre = polygon([(-0.1, -0.1), (0.1, -0.1), (0.1, 0.1), (-0.1, 0.1)])
    return [solid(centre)] + [solid(rotate([arm], a)[0]) for a in (0, 90, 180, 270)]


def next_arrow():
    """Solid and chunky, readable at 16 pixels."""
    return [solid(polygon([(-0.85, -0.26), (0.05, -0.26), (0.05, -0.7), (0.88, 0), (0.05, 0.7),
                           (0.05, 0.26), (-0.85, 0.26)]))]


def u_turn():
    pts = []
    for i in range(0, 37):
        t = math.radians(90 - i * 5)
        pts.append((0.1 + 0.55 * math.cos(t), 0.15 + 0.55 * math.sin(t)))
    inner = []
    for i in range(0, 37):
        t = math.radians(90 - i * 5)
        inner.append((0.1 + 0.27 * math.cos(t), 0.15 + 0.27 * math.sin(t)))
    outline = [(-0.9, 0.7)] + pts + [(-0.3, -0.4), (-0.3, -0.12), (-0.85, -0.54), (-0.3, -0.96),
                                      (-0.3, -0.68)] + list(reversed(inner)) + [(-0.9, 0.42)]
    return [solid(polygon([(round(x, 4), round(y, 4)) for x, y in outline]))]


def refresh():
    outer, inner = [], []
    for i in range(0, 55):
        t = math.radians(60 + i * 5)
        outer.append((0.85 * math.cos(t), 0.85 * math.sin(t)))
        inner.append((0.55 * math.cos(t), 0.55 * math.sin(t)))
    end = math.radians(60 + 54 * 5)
    head = [(0.3 * math.cos(end) + 0.18, 0.3 * math.sin(end) - 0.35),
            (0.98 * math.cos(end) + 0.35, 0.98 * math.sin(end) - 0.1),
            (1.05 * math.cos(end) - 0.25, 1.05 * math.sin(end) + 0.3)]
    return [solid(polygon(outer + list(reversed(inner)))), solid(polygon(head))]


def cursor():
    return [solid(polygon([(-0.5, 0.95), (-0.5, -0.55), (-0.15, -0.22), (0.1, -0.85),
                           (0.32, -0.76), (0.07, -0.14), (0.52, -0.14)]))]


def pin():
    body = smooth([(0, -0.95), (0.3, -0.35), (0.62, 0.25), (0.45, 0.78), (0, 0.95),
                   (-0.45, 0.78), (-0.62, 0.25), (-0.3, -0.35)])
    return [solid(body), hole(circle(0, 0.35, 0.24))]


def boxed():
    """An arrow cut out of a rounded square."""
    return [solid(rounded_rect(-0.92, -0.92, 0.92, 0.92, 0.25))] + [hole(c) for c in
                                                                   scale(classic(), 0.7)]


def expand():
    corner = polygon([(0.95, 0.95), (0.3, 0.95), (0.52, 0.73), (0.2, 0.41), (0.41, 0.2),
                      (0.73, 0.52), (0.95, 0.3)])
    return [solid(rotate([corner], a)[0]) for a in (0, 90, 180, 270)]


def compress():
    corner = polygon([(0.15, 0.15), (0.75, 0.15), (0.55, 0.35), (0.95, 0.75), (0.75, 0.95),
                      (0.35, 0.55), (0.15, 0.75)])
    return [solid(rotate([corner], a)[0]) for a in (0, 90, 180, 270)]


def swap():
    upper = polygon([(-0.9, 0.25), (0.4, 0.25), (0.4, 0.05), (0.9, 0.45), (0.4, 0.85),
                     (0.4, 0.65), (-0.9, 0.65)])
    return [solid(upper), solid(rotate([upper], 180)[0])]


def oval_pin():
    return [solid(ellipse(0, 0.2, 0.5, 0.7)), solid(polygon([(-0.3, -0.3), (0, -0.95), (0.3, -0.3)])),
            hole(circle(0, 0.25, 0.22))]


EXTRAS = [
    ("four_way", four_way), ("two_way_h", double_block),
    ("two_way_v", lambda: rotate(double_block(), 90)), ("next", next_arrow),
    ("u_turn", u_turn), ("u_turn_left", lambda: mirror_x(u_turn())), ("refresh", refresh),
    ("refresh_left", lambda: mirror_x(refresh())), ("cursor", cursor), ("pin", pin),
    ("boxed_e", boxed), ("boxed_n", lambda: rotate(boxed(), 90)),
    ("boxed_w", lambda: rotate(boxed(), 180)), ("boxed_s", lambda: rotate(boxed(), 270)),
    ("expand", expand), ("compress", compress), ("swap_h", swap),
    ("swap_v", lambda: rotate(swap(), 90)), ("oval_pin", oval_pin),
    ("curved_mirror_up", lambda: rotate(mirror_x(curved()), 90)),
    ("curved_mirror", lambda: mirror_x(curved())),
]


def glyphs():
    out = []
    for name, make in STYLES:
        for i, d in enumerate(DIRECTIONS):
            if name == "double" and i >= 4:
                # A double-headed arrow turned half round is itself: these four
                # places hold the barbed double arrow instead.
                out.append((f"dbarbed_{DIRECTIONS[i - 4]}", rotate(double_barbed(), 45 * (i - 4))))
            else:
                out.append((f"{name}_{d}", rotate(make(), 45 * i)))
    out.extend((name, make()) for name, make in EXTRAS)
    assert out[131][0] == "next"  # glyph 132, counting .notdef as glyph 0
    return out
