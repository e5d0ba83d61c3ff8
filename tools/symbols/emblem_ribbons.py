"""Banners, ribbons and pennants: bands with room for a word."""

import math

from geometry import arc_points, circle, hole, mirror_x, polar, polygon, solid


def end_piece(style, x_inner, x_outer, y0, y1):
    """The right-hand end of a ribbon between heights y0 (bottom) and y1 (top)."""
    mid = (y0 + y1) / 2
    notch = (x_outer - x_inner) * 0.45
    if style == "notch":
        return [(x_inner, y0), (x_outer, y0), (x_outer - notch, mid), (x_outer, y1), (x_inner, y1)]
    if style == "point":
        return [(x_inner, y0), (x_outer - notch, y0), (x_outer, mid), (x_outer - notch, y1),
                (x_inner, y1)]
    if style == "swallow":
        return [(x_inner, y0), (x_outer, y0 - (y1 - y0) * 0.25), (x_outer - notch * 1.4, mid),
                (x_outer, y1 + (y1 - y0) * 0.25), (x_inner, y1)]
    return [(x_inner, y0), (x_outer, y0), (x_outer, y1), (x_inner, y1)]  # square


def folded_ribbon(style, height):
    """A band in front with two ends folded back behind it, a little lower."""
    h = height / 2
    band = polygon([(-0.72, -h), (0.72, -h), (0.72, h), (-0.72, h)])
    drop = h * 0.7
    right = end_piece(style, 0.58, 0.98, -h - drop, h - drop)
    fold = [(0.58, -h - drop), (0.72, -h), (0.58, -h)]
    left = [(-x, y) for x, y in right]
    shape = [solid(band), solid(polygon(right)), solid(polygon(list(reversed(left))))]
    # The folds show as small gaps cut between the band and the ends.
    shape.append(solid(polygon(fold)))
    shape.append(solid(polygon([(-x, y) for x, y in reversed(fold)])))
    return shape


def arched_ribbon(bend, style, height):
    """A band along an arc (bend > 0 arches up, < 0 sags), with shaped ends."""
    radius = 1.6 / abs(bend)
    h = height / 2
    sweep = math.degrees(math.asin(0.72 / radius))
    if bend > 0:
        centre = (0, -radius + 0.2)
        angles = (90 + sweep, 90 - sweep)
    else:
        centre = (0, radius - 0.2)
        angles = (270 - sweep, 270 + sweep)
    outer = arc_points(radius + h, angles[0], angles[1], centre, step=1.0)
    inner = arc_points(radius - h, angles[1], angles[0], centre, step=1.0)
    body = outer + inner
    if bend < 0:
        body = list(reversed(body))
    shape = [solid(polygon(body))]
    for side, angle in ((-1, angles[0]), (1, angles[1])):
        # An end continuing the band's direction at its tip.
        tip = [polar(radius - h, angle, centre), polar(radius + h, angle, centre)]
        dx = tip[1][0] - tip[0][0]
        dy = tip[1][1] - tip[0][1]
        nx, ny = -dy, dx
        if (nx * side) < 0:
            nx, ny = -nx, -ny
        # (nx, ny) runs along the band, 2h long: scaled to the end's length.
        ex, ey = nx * 0.22 / (2 * h), ny * 0.22 / (2 * h)
        end = [tip[0], tip[1], (tip[1][0] + ex, tip[1][1] + ey)]
        if style == "notch":
            end.append(((tip[0][0] + tip[1][0]) / 2 + ex * 0.45,
                        (tip[0][1] + tip[1][1]) / 2 + ey * 0.45))
        end.append((tip[0][0] + ex, tip[0][1] + ey))
        shape.append(solid(polygon(end)))
    return shape


def scroll(height):
    h = height / 2
    band = [solid(polygon([(-0.78, -h), (0.78, -h), (0.78, h), (-0.78, h)]))]
    rolls = []
    for s in (-1, 1):
        rolls += [solid(circle(s * 0.82, -h * 0.3, h * 0.75)),
                  hole(circle(s * 0.82, -h * 0.3, h * 0.35))]
    return band + rolls


def pennant(kind):
    if kind == 0:  # triangle pennant on a pole
        return [solid(polygon([(-0.9, -0.95), (-0.82, -0.95), (-0.82, 0.95), (-0.9, 0.95)])),
                solid(polygon([(-0.82, 0.9), (0.95, 0.45), (-0.82, 0.0)]))]
    if kind == 1:  # swallowtail flag
        return [solid(polygon([(-0.9, -0.95), (-0.82, -0.95), (-0.82, 0.95), (-0.9, 0.95)])),
                solid(polygon([(-0.82, 0.9), (0.95, 0.9), (0.55, 0.45), (0.95, 0.0),
                               (-0.82, 0.0)]))]
    if kind == 2:  # waving flag
        top = [(x / 10, 0.85 + 0.1 * math.sin(x / 10 * 3.2)) for x in range(-8, 10)]
        bottom = [(x, y - 0.8) for x, y in reversed(top)]
        return [solid(polygon([(-0.9, -0.95), (-0.82, -0.95), (-0.82, 0.95), (-0.9, 0.95)])),
                solid(polygon(top + bottom))]
    # bunting: a string of small pennants
    shape = [solid(polygon([(-0.98, 0.55), (0.98, 0.55), (0.98, 0.6), (-0.98, 0.6)]))]
    for i in range(5):
        x = -0.8 + 0.4 * i
        shape.append(solid(polygon([(x - 0.17, 0.58), (x + 0.17, 0.58), (x, 0.1)])))
    return shape


def tag(kind):
    """A label tag with a hole for its string."""
    if kind == 0:  # pointed
        body = polygon([(-0.95, 0.0), (-0.55, 0.5), (0.95, 0.5), (0.95, -0.5), (-0.55, -0.5)])
    else:  # corners cut on the string's side
        body = polygon([(-0.95, -0.25), (-0.7, -0.55), (0.95, -0.55), (0.95, 0.55), (-0.7, 0.55),
                        (-0.95, 0.25)])
    return [solid(body), hole(circle(-0.58 if kind == 0 else -0.68, 0, 0.1))]


def glyphs():
    out = []
    for style in ("notch", "point", "swallow", "square"):
        for height in (0.42, 0.6):
            out.append((f"ribbon_{style}_{round(height * 100)}", folded_ribbon(style, height)))
    for bend in (0.6, 1.2, -0.8):
        for style in ("notch", "square"):
            for height in (0.34, 0.5):
                out.append((f"ribbon_arch_{style}_{round(bend * 10)}_{round(height * 100)}",
                            arched_ribbon(bend, style, height)))
    for height in (0.4, 0.56):
        out.append((f"scroll_{round(height * 100)}", scroll(height)))
    for kind in range(4):
        out.append((f"pennant{kind}", pennant(kind)))
    for kind in range(2):
        out.append((f"tag{kind}", tag(kind)))
    out.append(("tag0_right", mirror_x(tag(0))))
    return out
