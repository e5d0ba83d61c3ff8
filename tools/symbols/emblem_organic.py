"""Laurel wreaths, swooshes and splashes."""

import math

from geometry import (annulus, arc_band, arc_points, circle, mirror_x, move, polar, polygon, radial,
                      rotate, scale, smooth, solid, star)


def leaf(length, width, round_tip):
    """A leaf along +x from the origin."""
    pts = []
    for i in range(24):
        t = 2 * math.pi * i / 24
        x = (1 - math.cos(t)) / 2
        taper = math.sin(t) * (1 - (x if not round_tip else x ** 3) * 0.6)
        pts.append((x * length, taper * width / 2))
    return smooth(pts)


def branch(leaves, start, stop, radius, size, round_tip, stem):
    """One side of a wreath: leaves along a circle from `start` to `stop` degrees,
    each pointing onwards along the circle and leaning outwards and inwards in turn."""
    shape = []
    if stem:
        lo, hi = sorted((start, stop))
        shape.append(solid(arc_band(radius + 0.018, radius - 0.018, lo, hi)))
    step = (stop - start) / leaves
    direction = 1 if stop > start else -1
    for i in range(leaves):
        a = start + step * (i + 0.5)
        base = polar(radius, a)
        for lean in (30, -30):
            angle = a + direction * 90 + lean
            one = rotate([leaf(size, size * 0.42, round_tip)], angle)
            shape += [solid(c) for c in move(one, base[0], base[1])]
    return shape


def wreath(leaves, gap, size, round_tip, stem=True):
    radius = 0.72
    right = branch(leaves, -90 + 8, 90 - gap, radius, size, round_tip, stem)
    return right + mirror_x(right)


def tied_wreath(leaves, size):
    shape = wreath(leaves, 28, size, False)
    bow = [solid(circle(0, -0.74, 0.07)),
           solid(polygon([(0, -0.74), (-0.22, -0.98), (-0.1, -0.98)])),
           solid(polygon([(0, -0.74), (0.1, -0.98), (0.22, -0.98)]))]
    return shape + bow


def ring_wreath(leaves, with_star):
    shape = scale(wreath(leaves, 30, 0.28, False), 1.12) + annulus(0.56, 0.5)
    if with_star:
        shape.append(solid(move([star(5, 0.14, 0.06)], 0, 0.84)[0]))
    return shape


# Swooshes: crescents between two offset arcs, tapering at both ends.
def crescent(sweep, thickness, tilt):
    outer = arc_points(0.95, -sweep / 2, sweep / 2, step=2.0)
    inner = []
    for x, y in reversed(outer):
        a = math.atan2(y, x)
        t = 1 - (2 * a / math.radians(sweep)) ** 2  # 0 at the tips, 1 in the middle
        r = 0.95 - thickness * max(0.0, t)
        inner.append((r * math.cos(a), r * math.sin(a)))
    return rotate([solid(polygon(outer + inner[1:-1]))], tilt)


def swoosh(kind):
    if kind < 8:
        sweep = (120, 160, 200, 240)[kind % 4]
        return crescent(sweep, 0.22 if kind < 4 else 0.38, 90 + 25)
    if kind < 12:  # orbit: a tapered ellipse around an open middle
        tilt = (-20, 15, 35, -40)[kind - 8]
        band = crescent(300, 0.2, 200)
        return rotate(scale(band, 1.0, 0.42), tilt)
    if kind < 15:  # parallel swooshes
        count = kind - 10
        out = []
        for i in range(count):
            out += move(scale(crescent(150, 0.2, 240), 1.0 - 0.12 * i), 0.0, 0.1 * i)
        return out
    if kind == 15:  # swirl
        pts_out, pts_in = [], []
        for i in range(80):
            t = i / 79
            a = math.radians(90 + 500 * t)
            r = 0.18 + 0.8 * t
            w = 0.02 + 0.16 * math.sin(math.pi * t)
            pts_out.append(((r + w) * math.cos(a), (r + w) * math.sin(a)))
            pts_in.append(((r - w) * math.cos(a), (r - w) * math.sin(a)))
        return [solid(polygon(pts_out + list(reversed(pts_in))))]
    # wave: an S-shaped tapering stroke
    top, bottom = [], []
    for i in range(60):
        t = i / 59
        x = -0.95 + 1.9 * t
        y = 0.4 * math.sin(2 * math.pi * t) * (1 if kind == 16 else -1)
        w = 0.03 + 0.18 * math.sin(math.pi * t)
        top.append((x, y + w))
        bottom.append((x, y - w))
    return [solid(polygon(top + list(reversed(bottom))))]


def splash(seed, spikes):
    """A paint splash: an uneven blob, and drops thrown off around it."""
    state = seed * 48271 + 11

    def rand():
        nonlocal state
        state = (state * 1103515245 + 12345) % 2 ** 31
        return state / 2 ** 31

    lobes = 7 + seed % 5
    phases = [rand() * math.tau for _ in range(3)]
    amps = [0.08 + 0.06 * rand() for _ in range(3)]

    def radius(t):
        r = 0.62 + sum(a * math.sin((k + 2) * t + p) for k, (a, p) in enumerate(zip(amps, phases)))
        if spikes:
            r += 0.18 * max(0.0, math.cos(lobes * t + phases[0])) ** 8
        return r

    shape = [solid(radial(radius, 120))]
    for i in range(4 + seed % 4):
        a = rand() * 360
        r = 0.82 + 0.1 * rand()
        size = 0.04 + 0.05 * rand()
        if r + size < 0.98 and radius(math.radians(a)) + size < r:
            shape.append(solid(circle(*polar(r, a), size)))
    return shape


def brush_stroke(kind):
    """A wide brush stroke with ragged ends, a band to set a word on."""
    top, bottom = [], []
    for i in range(41):
        t = i / 40
        x = -0.95 + 1.9 * t
        wobble = 0.025 * math.sin(17 * t + kind) + 0.015 * math.sin(41 * t + 2 * kind)
        h = (0.3 + 0.06 * kind) * (1 - 0.35 * abs(2 * t - 1) ** 6)
        top.append((x, h + wobble))
        bottom.append((x, -h + wobble * 0.7))
    for i in range(1, 8):  # ragged right end
        y = (0.3 + 0.06 * kind) * (1 - 2 * i / 8)
        top.append((0.95 + (0.04 if i % 2 else -0.03), y))
    outline = top + list(reversed(bottom))
    for i in range(1, 8):  # ragged left end
        y = -(0.3 + 0.06 * kind) * (1 - 2 * i / 8)
        outline.append((-0.95 + (-0.04 if i % 2 else 0.03), y))
    return [solid(polygon(outline))]


def glyphs():
    out = []
    for leaves in (6, 8, 10, 12):
        for gap in (20, 45):
            for round_tip in (False, True):
                size = 2.2 / leaves + 0.05
                out.append((f"laurel{leaves}_{gap}{'_round' if round_tip else ''}",
                            wreath(leaves, gap, size, round_tip)))
    for leaves in (7, 9):
        out.append((f"laurel{leaves}_tied", tied_wreath(leaves, 2.2 / leaves + 0.05)))
    for leaves in (6, 8, 10):
        for with_star in (False, True):
            out.append((f"laurel_ring{leaves}{'_star' if with_star else ''}",
                        ring_wreath(leaves, with_star)))
    out.append(("laurel_branch", branch(9, -80, 80, 0.72, 0.3, False, True)))
    for kind in range(17):
        out.append((f"swoosh{kind}", swoosh(kind)))
    out.append(("swoosh_wave_down", swoosh(17)))
    for seed in (0, 1, 2, 3, 4, 5, 6, 7, 17, 18, 19):
        out.append((f"splash{seed}", splash(seed, False)))
    for seed in range(8, 17):
        out.append((f"splat{seed}", splash(seed, True)))
    for kind in range(4):
        out.append((f"brush{kind}", brush_stroke(kind)))
    return out
