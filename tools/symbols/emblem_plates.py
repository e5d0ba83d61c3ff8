"""Emblems with room for a name: shields, frames, polygon emblems and
monogram plates, each an outline around an open middle or a plate with an
inset line."""

import math

from geometry import (KAPPA, circle, ellipse, hole, move, polar, polygon, radial, regular,
                      rounded_rect, scale, smooth, solid, star)

# Shield outlines, y up, centred on the origin.
SHIELDS = {
    "heater": lambda: smooth([(0, -0.95), (0.45, -0.6), (0.75, -0.05), (0.8, 0.85), (0, 0.75),
                              (-0.8, 0.85), (-0.75, -0.05), (-0.45, -0.6)], 0.8),
    "pointed": lambda: polygon([(0, -0.95), (0.75, -0.35), (0.75, 0.9), (-0.75, 0.9),
                                (-0.75, -0.35)]),
    "rounded": lambda: ((-0.75, 0.9), [("L", (0.75, 0.9)), ("L", (0.75, 0.0)),
                                       ("C", (0.75, -0.6), (0.3, -0.85), (0, -0.95)),
                                       ("C", (-0.3, -0.85), (-0.75, -0.6), (-0.75, 0.0)),
                                       ("L", (-0.75, 0.9))]),
    "crest": lambda: smooth([(0, -0.97), (0.5, -0.62), (0.78, 0.0), (0.8, 0.72), (0.55, 0.9),
                             (0, 0.8), (-0.55, 0.9), (-0.8, 0.72), (-0.78, 0.0),
                             (-0.5, -0.62)], 0.7),
    "kite": lambda: smooth([(0, -0.98), (0.42, -0.3), (0.62, 0.45), (0.45, 0.85), (0, 0.95),
                            (-0.45, 0.85), (-0.62, 0.45), (-0.42, -0.3)], 0.9),
    "badge": lambda: polygon([(0, -0.95), (0.55, -0.7), (0.8, -0.1), (0.8, 0.62), (0.55, 0.72),
                              (0.3, 0.95), (0, 0.85), (-0.3, 0.95), (-0.55, 0.72),
                              (-0.8, 0.62), (-0.8, -0.1), (-0.55, -0.7)]),
    "flat": lambda: ((-0.8, 0.9), [("L", (0.8, 0.9)), ("L", (0.8, 0.2)),
                                   ("C", (0.8, -0.45), (0.35, -0.75), (0, -0.95)),
                                   ("C", (-0.35, -0.75), (-0.8, -0.45), (-0.8, 0.2)),
                                   ("L", (-0.8, 0.9))]),
    "notched": lambda: polygon([(0, -0.95), (0.7, -0.5), (0.8, 0.5), (0.62, 0.9), (0.2, 0.9),
                                (0, 0.72), (-0.2, 0.9), (-0.62, 0.9), (-0.8, 0.5),
                                (-0.7, -0.5)]),
}


def inset(contour, factor, dy=0.0):
    return move(scale([contour], factor), 0, dy)[0]


# Half width of each shield at its middle, for what is drawn across it.
SHIELD_WIDTH = {"kite": 0.42}


def shield(kind, style):
    outline = SHIELDS[kind]()
    shape = [solid(outline), hole(inset(outline, 0.84, 0.02))]
    if style == "double":
        shape += [solid(inset(outline, 0.74, 0.03)), hole(inset(outline, 0.69, 0.03))]
    elif style == "chevron":
        w = SHIELD_WIDTH.get(kind, 0.7)
        shape.append(solid(polygon([(-w, -0.05), (0, 0.35), (w, -0.05), (w, -0.25), (0, 0.15),
                                    (-w, -0.25)])))
    elif style == "star":
        shape.append(solid(move([star(5, 0.16, 0.07)], 0, 0.55)[0]))
    return shape


# Frames: (half width, half height) of the four proportions.
ASPECTS = {"wide": (0.98, 0.56), "square": (0.9, 0.9), "tall": (0.62, 0.96),
           "strip": (0.99, 0.38)}


def scooped(w, h, r):
    """A rectangle with a quarter circle bitten out of each corner (a ticket)."""
    k = KAPPA * r
    return ((w, -h + r), [
        ("L", (w, h - r)), ("C", (w - k, h - r), (w - r, h - k), (w - r, h)),
        ("L", (-w + r, h)), ("C", (-w + r, h - k), (-w + k, h - r), (-w, h - r)),
        ("L", (-w, -h + r)), ("C", (-w + k, -h + r), (-w + r, -h + k), (-w + r, -h)),
        ("L", (w - r, -h)), ("C", (w - r, -h + k), (w - k, -h + r), (w, -h + r))])


def cut_corners(w, h, c):
    return polygon([(w - c, -h), (w, -h + c), (w, h - c), (w - c, h), (-w + c, h), (-w, h - c),
                    (-w, -h + c), (-w + c, -h)])


def stepped(w, h, s):
    return polygon([(w - s, -h), (w - s, -h + s), (w, -h + s), (w, h - s), (w - s, h - s),
                    (w - s, h), (-w + s, h), (-w + s, h - s), (-w, h - s), (-w, -h + s),
                    (-w + s, -h + s), (-w + s, -h)])


def rect(w, h):
    return polygon([(-w, -h), (w, -h), (w, h), (-w, h)])


def frame(style, w, h):
    t = 0.1  # line width
    if style == "ticket":
        return [solid(scooped(w, h, 0.28)), hole(scooped(w - t, h - t, 0.2))]
    if style == "cut":
        return [solid(cut_corners(w, h, 0.25)), hole(cut_corners(w - t, h - t, 0.21))]
    if style == "double":
        return [solid(rect(w, h)), hole(rect(w - t, h - t)), solid(rect(w - 0.15, h - 0.15)),
                hole(rect(w - 0.19, h - 0.19))]
    if style == "brackets":
        out = []
        for sx in (-1, 1):
            for sy in (-1, 1):
                arm = 0.32 if min(w, h) > 0.5 else 0.22
                pts = [(sx * w, sy * h), (sx * (w - arm), sy * h), (sx * (w - arm), sy * (h - t)),
                       (sx * (w - t), sy * (h - t)), (sx * (w - t), sy * (h - arm)),
                       (sx * w, sy * (h - arm))]
                out.append(solid(polygon(pts)))
        return out
    if style == "rounded_dots":
        return [solid(rounded_rect(-w, -h, w, h, 0.22)),
                hole(rounded_rect(-w + t, -h + t, w - t, h - t, 0.14))] + [
            solid(circle(sx * (w - 0.2), sy * (h - 0.2), 0.045)) for sx in (-1, 1)
            for sy in (-1, 1)]
    if style == "scalloped":
        bumps = []
        r = 0.07
        nx, ny = max(2, round(w / 0.15)), max(2, round(h / 0.15))
        for i in range(nx + 1):
            x = -w + r + (2 * w - 2 * r) * i / nx
            bumps += [solid(circle(x, h - r, r)), solid(circle(x, -h + r, r))]
        for j in range(1, ny):
            y = -h + r + (2 * h - 2 * r) * j / ny
            bumps += [solid(circle(w - r, y, r)), solid(circle(-w + r, y, r))]
        return [solid(rect(w - r, h - r))] + bumps + [hole(rect(w - 0.17, h - 0.17))]
    if style == "corner_squares":
        # Squares on the corners of a thin frame, all kept inside the unit box.
        w, h = w - 0.09, h - 0.09
        out = [solid(rect(w - 0.03, h - 0.03)), hole(rect(w - 0.08, h - 0.08))]
        for sx in (-1, 1):
            for sy in (-1, 1):
                out += move([solid(rect(0.09, 0.09))], sx * w, sy * h)
        return out
    if style == "stepped":
        return [solid(stepped(w, h, 0.16)), hole(stepped(w - t, h - t, 0.16))]
    # oval
    return [solid(ellipse(0, 0, w, h)), hole(ellipse(0, 0, w - t, h - t)),
            solid(ellipse(0, 0, w - 0.15, h - 0.15)), hole(ellipse(0, 0, w - 0.19, h - 0.19))]


FRAME_STYLES = ["ticket", "cut", "double", "brackets", "rounded_dots", "scalloped",
                "corner_squares", "stepped", "oval"]


def polygon_emblem(sides, style, phase=90.0):
    outer = regular(sides, 0.98, phase)
    if style == "frame":
        return [solid(outer), hole(regular(sides, 0.8, phase))]
    if style == "lined":
        return [solid(outer), hole(regular(sides, 0.88, phase)), solid(regular(sides, 0.8, phase)),
                hole(regular(sides, 0.74, phase))]
    if style == "plate":
        return [solid(outer), hole(regular(sides, 0.9, phase)), solid(regular(sides, 0.86, phase))]
    # rounded: smooth corners
    pts = [polar(0.98, phase + 360 * i / sides) for i in range(sides)]
    inner = [polar(0.78, phase + 360 * i / sides) for i in range(sides)]
    return [solid(_rounded_polygon(pts, 0.18)), hole(_rounded_polygon(inner, 0.12))]


def _rounded_polygon(pts, r):
    """A convex polygon with its corners rounded by cubic curves."""
    n = len(pts)
    segs = []
    starts = []
    for i in range(n):
        p, q, nxt = pts[i - 1], pts[i], pts[(i + 1) % n]
        a = _towards(q, p, r)
        b = _towards(q, nxt, r)
        starts.append((a, q, b))
    first = starts[0][2]
    for i in range(1, n + 1):
        a, q, b = starts[i % n]
        segs.append(("L", a))
        c1 = (a[0] + (q[0] - a[0]) * 0.55, a[1] + (q[1] - a[1]) * 0.55)
        c2 = (b[0] + (q[0] - b[0]) * 0.55, b[1] + (q[1] - b[1]) * 0.55)
        segs.append(("C", c1, c2, b))
    return (first, segs)


def _towards(p, q, d):
    dx, dy = q[0] - p[0], q[1] - p[1]
    length = math.hypot(dx, dy)
    return (p[0] + dx * d / length, p[1] + dy * d / length)


PLATES = {
    "round_square": lambda s: rounded_rect(-0.9 * s, -0.9 * s, 0.9 * s, 0.9 * s, 0.22 * s),
    "circle": lambda s: circle(0, 0, 0.95 * s),
    "cartouche": lambda s: smooth([(0.98 * s, 0), (0.7 * s, 0.45 * s), (0, 0.55 * s),
                                   (-0.7 * s, 0.45 * s), (-0.98 * s, 0), (-0.7 * s, -0.45 * s),
                                   (0, -0.55 * s), (0.7 * s, -0.45 * s)], 0.8),
    "oval": lambda s: ellipse(0, 0, 0.98 * s, 0.62 * s),
    "lozenge": lambda s: polygon([(0.98 * s, 0), (0.6 * s, 0.5 * s), (-0.6 * s, 0.5 * s),
                                  (-0.98 * s, 0), (-0.6 * s, -0.5 * s), (0.6 * s, -0.5 * s)]),
    "pill": lambda s: rounded_rect(-0.98 * s, -0.42 * s, 0.98 * s, 0.42 * s, 0.42 * s),
    "quatrefoil": lambda s: radial(lambda t: s * (0.7 + 0.28 * abs(math.cos(2 * t)) ** 0.7), 96,
                                   phase=0.0),
    "arch": lambda s: ((-0.7 * s, -0.95 * s), [
        ("L", (0.7 * s, -0.95 * s)), ("L", (0.7 * s, 0.25 * s)),
        ("C", (0.7 * s, 0.7 * s), (0.35 * s, 0.95 * s), (0, 0.95 * s)),
        ("C", (-0.35 * s, 0.95 * s), (-0.7 * s, 0.7 * s), (-0.7 * s, 0.25 * s)),
        ("L", (-0.7 * s, -0.95 * s))]),
}


def plate(kind, style):
    make = PLATES[kind]
    if style == "inset":  # a plate with a thin line inset from its edge
        return [solid(make(1.0)), hole(make(0.9)), solid(make(0.86))]
    if style == "outline":  # a bold outline with a thin inner line
        return [solid(make(1.0)), hole(make(0.86)), solid(make(0.8)), hole(make(0.76))]
    return [solid(make(1.0)), hole(make(0.8))]  # plain border


def glyphs():
    out = []
    for kind in SHIELDS:
        for style in ("frame", "double", "chevron", "star"):
            out.append((f"shield_{kind}_{style}", shield(kind, style)))
    for style in FRAME_STYLES:
        for aspect, (w, h) in ASPECTS.items():
            out.append((f"frame_{style}_{aspect}", frame(style, w, h)))
    for sides, phases in ((6, (90, 0)), (8, (22.5,)), (5, (90,)), (4, (90,)), (3, (90, -90))):
        for phase in phases:
            for style in ("frame", "lined", "plate", "rounded"):
                out.append((f"emblem{sides}_{round(phase) % 360}_{style}",
                            polygon_emblem(sides, style, phase)))
    for kind in PLATES:
        for style in ("inset", "outline", "border"):
            if (kind, style) != ("circle", "border"):  # a plain ring is among the Geometric shapes
                out.append((f"plate_{kind}_{style}", plate(kind, style)))
    return out
