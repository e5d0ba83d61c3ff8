"""Emblems put together from two forms: a shield or a badge with a banner
across it, a badge held by a wreath, a medal on its straps, crowns and wings."""

import math

from emblem_organic import branch
from emblem_plates import SHIELDS, inset
from emblem_round import small_star
from geometry import (annulus, arc_band, arc_points, circle, hole, mirror_x, move, polar, polygon,
                      regular, rounded_rect, solid, star)


def banner_across(y, h, reach):
    """A straight banner with notched ends, `reach` from the middle each way."""
    return solid(polygon([(-reach, y - h), (reach, y - h), (reach - 0.14, y), (reach, y + h),
                          (-reach, y + h), (-reach + 0.14, y)]))


def shield_ribbon(kind):
    outline = SHIELDS[kind]()
    return [solid(outline), hole(inset(outline, 0.84, 0.02)), banner_across(0.05, 0.17, 0.98)]


def laurel_badge(ring_width, leaves):
    right = branch(leaves, -80, 20, 0.8, 0.3, False, True)
    return annulus(0.62, 0.62 - ring_width) + right + mirror_x(right)


def polygon_ribbon(sides, phase):
    return [solid(regular(sides, 0.8, phase)), hole(regular(sides, 0.68, phase)),
            banner_across(0.0, 0.16, 0.98)]


def tab_frame(w, h):
    """A frame with a tab on top for a small word."""
    return [solid(rounded_rect(-w, -h, w, h - 0.16, 0.08)),
            solid(rounded_rect(-0.35, h - 0.3, 0.35, h, 0.06)),
            hole(rounded_rect(-w + 0.09, -h + 0.09, w - 0.09, h - 0.25, 0.04))]


def crown(kind):
    """A crown of 3, 5 or 4 points (the last with low and high points in turn),
    a jewel on each point, on a band."""
    points = (3, 5, 4)[kind]
    tips = [(-0.9 + 1.8 * (i + 0.5) / points, 0.5 if kind == 2 and i % 2 else 0.75)
            for i in range(points)]
    outline = [(-0.9, -0.2)]
    for i, tip in enumerate(tips):
        outline.append(tip)
        if i < points - 1:
            outline.append((-0.9 + 1.8 * (i + 1) / points, 0.1))
    outline.append((0.9, -0.2))
    band = polygon([(-0.9, -0.65), (0.9, -0.65), (0.9, -0.3), (-0.9, -0.3)])
    return [solid(polygon(outline)), solid(band)] + [solid(circle(x, y + 0.1, 0.1))
                                                     for x, y in tips]


def wing(feathers):
    out = []
    for i in range(feathers):
        length = 0.75 - 0.1 * i
        y = 0.25 - 0.16 * i
        out.append(solid(rounded_rect(0.0, y - 0.07, length, y + 0.07, 0.07)))
    return [solid(c) for c in move(out, 0.25, 0)]


def winged(kind):
    core = annulus(0.38, 0.3) if kind == 0 else [solid(star(5, 0.36, 0.15))]
    right = wing(5 if kind == 0 else 4)
    return core + right + mirror_x(right)


def band_disc(height, ringed):
    """A disc split by a band for one line of text: two caps, and a ring round
    them where `ringed`."""
    r = 0.8 if ringed else 0.95
    start = math.degrees(math.asin(height / r))
    caps = [solid(polygon(arc_points(r, start, 180 - start))),
            solid(polygon(arc_points(r, 180 + start, 360 - start)))]
    return caps + (annulus(0.95, 0.88) if ringed else [])


def bookmark(w, framed):
    outline = polygon([(-w, 0.95), (w, 0.95), (w, -0.95), (0, -0.6), (-w, -0.95)])
    if not framed:
        return [solid(outline)]
    return [solid(outline), hole(polygon([(-w + 0.1, 0.85), (w - 0.1, 0.85), (w - 0.1, -0.75),
                                         (0, -0.46), (-w + 0.1, -0.75)]))]


def medal(kind):
    straps = [solid(polygon([(-0.45, 0.98), (-0.2, 0.98), (0.12, 0.2), (-0.13, 0.2)])),
              solid(polygon([(0.2, 0.98), (0.45, 0.98), (0.13, 0.2), (-0.12, 0.2)]))]
    disc = [(annulus(0.5, 0.4) + [solid(circle(0, 0, 0.33))]),
            [solid(star(16, 0.52, 0.44)), hole(circle(0, 0, 0.38))],
            annulus(0.5, 0.44) + [solid(star(5, 0.3, 0.13))]][kind]
    return straps + move(disc, 0, -0.42)


def arc_badge(gap):
    """Two arcs of a ring, open at the sides, around an inner ring."""
    arcs = [solid(arc_band(0.98, 0.86, gap, 180 - gap)),
            solid(arc_band(0.98, 0.86, 180 + gap, 360 - gap))]
    return arcs + annulus(0.66, 0.6) + [solid(circle(*polar(0.92, a), 0.05)) for a in (0, 180)]




def arrow_banner(double):
    left = (-0.98, 0) if double else (-0.8, 0)
    pts = [(-0.7, -0.3), (0.7, -0.3), (0.98, 0), (0.7, 0.3), (-0.7, 0.3)]
    if double:
        pts.append(left)
    else:
        pts += [(-0.98, 0.3), (-0.8, 0), (-0.98, -0.3)]
        pts = [p for p in pts if p != (-0.7, 0.3) and p != (-0.7, -0.3)]
    return [solid(polygon(pts))]


def star_ring(count):
    return [small_star(polar(0.82, 90 + 360 * i / count), 0.14) for i in range(count)]


def target(rings):
    out = []
    for i in range(rings):
        r = 0.95 - i * 0.95 / rings
        out += annulus(r, r - 0.95 / rings / 2)
    return out


def eared_plate(kind):
    body = rounded_rect(-0.75, -0.55, 0.75, 0.55, 0.1)
    ears = [solid(circle(sx * 0.75, 0, 0.25 if kind == 0 else 0.18)) for sx in (-1, 1)]
    return [solid(body)] + ears + [hole(rounded_rect(-0.62, -0.42, 0.62, 0.42, 0.06)),
                                   solid(rounded_rect(-0.56, -0.36, 0.56, 0.36, 0.04))]


def glyphs():
    out = [(f"shield_{kind}_ribbon", shield_ribbon(kind)) for kind in SHIELDS]
    for ring_width in (0.06, 0.12):
        for leaves in (5, 7, 9):
            out.append((f"laurel_badge{leaves}_{round(ring_width * 100)}",
                        laurel_badge(ring_width, leaves)))
    for sides, phase in ((6, 90), (6, 0), (8, 22.5), (4, 90), (5, 90), (3, -90)):
        out.append((f"polygon{sides}_{round(phase)}_ribbon", polygon_ribbon(sides, phase)))
    for name, (w, h) in (("wide", (0.95, 0.6)), ("square", (0.88, 0.9)), ("tall", (0.62, 0.95))):
        out.append((f"tab_frame_{name}", tab_frame(w, h)))
    for kind in range(3):
        out.append((f"crown{kind}", crown(kind)))
    for kind in range(2):
        out.append((f"winged{kind}", winged(kind)))
    for height in (0.18, 0.3):
        for ringed in (False, True):
            out.append((f"band_disc{round(height * 100)}{'_ring' if ringed else ''}",
                        band_disc(height, ringed)))
    # A narrow solid bookmark is among the Geometric banners.
    for w, framed in ((0.45, True), (0.65, False), (0.65, True)):
        out.append((f"bookmark{round(w * 100)}{'_frame' if framed else ''}", bookmark(w, framed)))
    for kind in range(3):
        out.append((f"medal{kind}", medal(kind)))
    for gap in (20, 35):
        out.append((f"arc_badge{gap}", arc_badge(gap)))
    for double in (False, True):
        out.append((f"arrow_banner{'_double' if double else ''}", arrow_banner(double)))
    for count in (8, 10, 16):
        out.append((f"star_ring{count}", star_ring(count)))
    for rings in (2, 3, 4):
        out.append((f"target{rings}", target(rings)))
    for kind in range(2):
        out.append((f"eared_plate{kind}", eared_plate(kind)))
    return out
