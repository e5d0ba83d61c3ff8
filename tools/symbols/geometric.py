"""Geometric Regular: polygons, stars of 4 to 24 points, rings, rounded frames,
shields, ribbons, speech bubbles, hearts, leaves, swooshes and a few signs."""

import math

from geometry import (circle, ellipse, hole, mirror_x, move, polygon, radial, regular, rotate,
                      rounded_rect, scale, smooth, solid, star)


def outlined(contour, inset):
    """A contour with a smaller copy of itself cut out of it."""
    return [solid(contour), hole(scale([contour], inset)[0])]


def heart(w=1.0):
    pts = []
    for i in range(64):
        t = 2 * math.pi * i / 64
        x = 16 * math.sin(t) ** 3
        y = 13 * math.cos(t) - 5 * math.cos(2 * t) - 2 * math.cos(3 * t) - math.cos(4 * t)
        pts.append((x / 17 * w, y / 17 + 0.1))
    return smooth(pts)


def leaf(bend=0.0):
    pts = []
    for i in range(40):
        t = 2 * math.pi * i / 40
        x = math.cos(t) * 0.95
        y = math.sin(t) * 0.45 * (1 - abs(math.cos(t)) ** 3) ** 0.5 + bend * (1 - x * x) * 0.4
        pts.append((x, y))
    return smooth(pts)


def shield(kind):
    if kind == 0:  # heater shield
        return smooth([(0, -0.95), (0.45, -0.6), (0.75, -0.05), (0.8, 0.85), (0, 0.75),
                       (-0.8, 0.85), (-0.75, -0.05), (-0.45, -0.6)], 0.8)
    if kind == 1:  # pointed
        return polygon([(0, -0.95), (0.8, -0.2), (0.8, 0.9), (-0.8, 0.9), (-0.8, -0.2)])
    if kind == 2:  # rounded bottom
        return ((-0.8, 0.9), [("L", (0.8, 0.9)), ("L", (0.8, 0.0)),
                              ("C", (0.8, -0.6), (0.3, -0.85), (0, -0.95)),
                              ("C", (-0.3, -0.85), (-0.8, -0.6), (-0.8, 0.0)),
                              ("L", (-0.8, 0.9))])
    # scalloped top
    return smooth([(0, -0.95), (0.5, -0.55), (0.8, 0.1), (0.82, 0.9), (0.4, 0.72), (0, 0.9),
                   (-0.4, 0.72), (-0.82, 0.9), (-0.8, 0.1), (-0.5, -0.55)], 0.7)


def banner(kind):
    body = polygon([(-0.7, -0.2), (0.7, -0.2), (0.7, 0.25), (-0.7, 0.25)])
    if kind == 0:  # notched ends
        return [solid(polygon([(-0.98, -0.2), (0.98, -0.2), (0.8, 0.03), (0.98, 0.25),
                               (-0.98, 0.25), (-0.8, 0.03)]))]
    if kind == 1:  # folded ends behind the middle
        ends = [solid(polygon([(-0.98, -0.35), (-0.55, -0.35), (-0.55, 0.1), (-0.98, 0.1),
                               (-0.82, -0.12)]))]
        ends.append(solid(polygon([(0.98, -0.35), (0.82, -0.12), (0.98, 0.1), (0.55, 0.1),
                                   (0.55, -0.35)])))
        return ends + [solid(body)]
    if kind == 2:  # curved banner
        top, bottom = [], []
        for i in range(21):
            x = -0.9 + 1.8 * i / 20
            top.append((x, 0.3 - 0.35 * (1 - (x / 0.9) ** 2)))
            bottom.append((x, -0.15 - 0.35 * (1 - (x / 0.9) ** 2)))
        return [solid(polygon(bottom + list(reversed(top))))]
    if kind == 3:  # bookmark ribbon
        return [solid(polygon([(-0.45, 0.95), (0.45, 0.95), (0.45, -0.95), (0, -0.55),
                               (-0.45, -0.95)]))]
    # award ribbon: two tails under a disc
    tails = [solid(polygon([(-0.05, 0.0), (-0.55, -0.95), (-0.35, -0.8), (-0.2, -0.98),
                            (0.2, -0.2)])),
             solid(polygon([(0.05, 0.0), (-0.2, -0.2), (0.2, -0.98), (0.35, -0.8),
                            (0.55, -0.95)]))]
    return tails + [solid(circle(0, 0.35, 0.6)), hole(circle(0, 0.35, 0.45)),
                    solid(circle(0, 0.35, 0.38))]


def bubble(kind):
    if kind == 0:  # round, tail bottom left
        return [solid(ellipse(0.05, 0.15, 0.9, 0.7)),
                solid(polygon([(-0.5, -0.2), (-0.75, -0.95), (-0.1, -0.4)]))]
    if kind == 1:  # rounded box, tail bottom middle
        return [solid(rounded_rect(-0.95, -0.45, 0.95, 0.85, 0.25)),
                solid(polygon([(-0.25, -0.4), (-0.3, -0.95), (0.2, -0.4)]))]
    if kind == 2:  # thought cloud
        shape = [solid(circle(x, y, r)) for x, y, r in (
            (-0.45, 0.25, 0.4), (0.05, 0.45, 0.45), (0.5, 0.2, 0.4), (0.1, 0.0, 0.45),
            (-0.35, -0.05, 0.35))]
        return shape + [solid(circle(-0.6, -0.6, 0.14)), solid(circle(-0.82, -0.85, 0.09))]
    if kind == 3:  # outlined round bubble
        return [solid(ellipse(0.05, 0.15, 0.9, 0.7)), hole(ellipse(0.05, 0.15, 0.75, 0.55)),
                solid(polygon([(-0.45, -0.42), (-0.75, -0.95), (-0.05, -0.53), (-0.2, -0.45)]))]
    if kind == 4:  # square box, tail right
        return [solid(rounded_rect(-0.95, -0.55, 0.95, 0.85, 0.08)),
                solid(polygon([(0.3, -0.5), (0.75, -0.95), (0.7, -0.5)]))]
    # shout: jagged
    return [solid(star(14, 0.95, 0.7)), solid(polygon([(-0.4, -0.5), (-0.85, -0.98),
                                                      (-0.15, -0.65)]))]


def swoosh(kind):
    if kind == 0:  # crescent swoosh
        return [solid(((-0.95, -0.1), [("C", (-0.4, -0.8), (0.6, -0.7), (0.95, 0.4)),
                                       ("C", (0.45, -0.35), (-0.35, -0.45), (-0.95, -0.1))]))]
    if kind == 1:  # double swoosh
        one = ((-0.95, -0.3), [("C", (-0.4, -0.9), (0.6, -0.8), (0.95, 0.15)),
                               ("C", (0.45, -0.55), (-0.35, -0.62), (-0.95, -0.3))])
        return [solid(one), solid(move([one], 0.0, 0.45)[0])]
    if kind == 2:  # arc over
        return [solid(((-0.95, -0.5), [("C", (-0.6, 0.6), (0.6, 0.9), (0.95, 0.2)),
                                       ("C", (0.5, 0.6), (-0.5, 0.35), (-0.95, -0.5))]))]
    # orbit: tilted elliptical ring
    return rotate([solid(ellipse(0, 0, 0.98, 0.4)), hole(ellipse(0.05, 0.02, 0.85, 0.28))], 20)


def sun():
    shape = [solid(circle(0, 0, 0.45))]
    for i in range(12):
        ray = polygon([(0.58, -0.07), (0.95, 0), (0.58, 0.07)])
        shape.append(solid(rotate([ray], 30 * i)[0]))
    return shape


def glyphs():
    out = []
    for n in range(3, 13):
        out.append((f"polygon{n}", [solid(regular(n, 0.95))]))
    for n in range(3, 9):
        out.append((f"polygon{n}_frame", outlined(regular(n, 0.95), 0.78)))
    for n in range(4, 25):
        depth = 0.38 if n == 5 else 0.5 if n < 12 else 0.65
        out.append((f"star{n}", [solid(star(n, 0.98, depth))]))
    for n in (5, 6, 8):
        out.append((f"star{n}_frame", outlined(star(n, 0.98, 0.45), 0.7)))
    out.append(("star5_rounded", [solid(radial(lambda t: 0.62 + 0.36 * math.cos(5 * (t - math.pi / 2)),
                                              80))]))
    for inner in (0.9, 0.8, 0.68, 0.5):
        out.append((f"ring{round(inner * 100)}", [solid(circle(0, 0, 0.95)),
                                                  hole(circle(0, 0, 0.95 * inner))]))
    out.append(("ring_double", [solid(circle(0, 0, 0.95)), hole(circle(0, 0, 0.82)),
                                solid(circle(0, 0, 0.7)), hole(circle(0, 0, 0.58))]))
    out.append(("disc", [solid(circle(0, 0, 0.95))]))
    out.append(("ellipse", [solid(ellipse(0, 0, 0.95, 0.6))]))
    out.append(("ellipse_ring", [solid(ellipse(0, 0, 0.95, 0.6)), hole(ellipse(0, 0, 0.8, 0.45))]))
    for name, (w, h) in (("wide", (0.95, 0.55)), ("square", (0.9, 0.9)), ("tall", (0.6, 0.95))):
        out.append((f"rounded_{name}", [solid(rounded_rect(-w, -h, w, h, 0.25))]))
        out.append((f"frame_rounded_{name}", [solid(rounded_rect(-w, -h, w, h, 0.25)),
                                              hole(rounded_rect(-w + 0.13, -h + 0.13, w - 0.13,
                                                                h - 0.13, 0.14))]))
    out.append(("frame_square", [solid(polygon([(-0.9, -0.9), (0.9, -0.9), (0.9, 0.9), (-0.9, 0.9)])),
                                 hole(polygon([(-0.76, -0.76), (0.76, -0.76), (0.76, 0.76),
                                               (-0.76, 0.76)]))]))
    out.append(("capsule", [solid(rounded_rect(-0.95, -0.4, 0.95, 0.4, 0.4))]))
    out.append(("capsule_frame", [solid(rounded_rect(-0.95, -0.4, 0.95, 0.4, 0.4)),
                                  hole(rounded_rect(-0.82, -0.27, 0.82, 0.27, 0.27))]))
    for kind in range(4):
        out.append((f"shield{kind}", [solid(shield(kind))]))
    out.append(("shield_frame", outlined(shield(0), 0.8)))
    for kind in range(5):
        out.append((f"banner{kind}", banner(kind)))
    for kind in range(6):
        out.append((f"bubble{kind}", bubble(kind)))
    out.append(("bubble_left", mirror_x(bubble(1))))
    out.append(("heart", [solid(heart())]))
    out.append(("heart_frame", [solid(heart()), hole(scale([heart()], 0.75)[0])]))
    out.append(("heart_wide", [solid(heart(1.2))]))
    out.append(("hearts_two", scale([solid(heart())], 0.65) + move(scale([solid(heart())], 0.55),
                                                                   0.4, -0.35)))
    out.append(("leaf", [solid(leaf())]))
    out.append(("leaf_bent", rotate([solid(leaf(0.6))], 30)))
    veins = [polygon([(-0.75, -0.05), (0.75, -0.012), (0.75, 0.012), (-0.75, 0.05)])]
    for x in (-0.4, -0.05, 0.3):
        for side in (-1, 1):
            veins.append(polygon([(x, 0), (x + 0.06, 0), (x + 0.3, side * 0.3),
                                  (x + 0.24, side * 0.32)]))
    out.append(("leaf_vein", [solid(leaf())] + [hole(v) for v in veins]))
    sprig = move(rotate(scale([solid(leaf(0.3))], 0.55), 40), 0.38, 0.1)
    out.append(("leaves_two", sprig + mirror_x(sprig)))
    for kind in range(4):
        out.append((f"swoosh{kind}", swoosh(kind)))
    out.append(("crescent", [solid(circle(0, 0, 0.9)), hole(circle(0.35, 0.2, 0.75))]))
    out.append(("drop", [solid(((0, 0.95), [("C", (0.2, 0.5), (0.65, 0.1), (0.65, -0.35)),
                                            ("C", (0.65, -0.75), (0.35, -0.95), (0, -0.95)),
                                            ("C", (-0.35, -0.95), (-0.65, -0.75), (-0.65, -0.35)),
                                            ("C", (-0.65, 0.1), (-0.2, 0.5), (0, 0.95))]))]))
    out.append(("cross", [solid(polygon([(-0.3, -0.9), (0.3, -0.9), (0.3, -0.3), (0.9, -0.3),
                                         (0.9, 0.3), (0.3, 0.3), (0.3, 0.9), (-0.3, 0.9),
                                         (-0.3, 0.3), (-0.9, 0.3), (-0.9, -0.3), (-0.3, -0.3)]))]))
    out.append(("saltire", rotate(out[-1][1], 45)))
    out.append(("diamond", [solid(polygon([(0, -0.98), (0.65, 0), (0, 0.98), (-0.65, 0)]))]))
    out.append(("semicircle", [solid(((0.95, -0.3), [("C", (0.95, 0.4), (0.5, 0.75), (0, 0.75)),
                                                     ("C", (-0.5, 0.75), (-0.95, 0.4), (-0.95, -0.3)),
                                                     ("L", (0.95, -0.3))]))]))
    out.append(("sun", sun()))
    out.append(("bolt", [solid(polygon([(0.15, 0.98), (-0.55, -0.1), (-0.05, -0.1), (-0.25, -0.98),
                                        (0.55, 0.15), (0.05, 0.15)]))]))
    out.append(("check", [solid(polygon([(-0.9, 0.05), (-0.65, 0.3), (-0.3, -0.05), (0.65, 0.9),
                                         (0.9, 0.65), (-0.3, -0.55)]))]))
    out.append(("cloud", [solid(c) for c in (circle(-0.45, -0.1, 0.38), circle(0.05, 0.15, 0.5),
                                             circle(0.5, -0.1, 0.38))] +
                [solid(rounded_rect(-0.83, -0.48, 0.88, -0.05, 0.15))]))
    return out
