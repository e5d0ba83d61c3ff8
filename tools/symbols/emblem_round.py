"""Round emblems: circle badges, seals and rays."""

import math

from geometry import annulus, arc_band, circle, hole, move, polar, polygon, radial, solid, star


def ring_line(r, width):
    """A thin ring of the given mid radius, to sit inside a hole."""
    return annulus(r + width / 2, r - width / 2)


def dots(r, count, size, start=90.0, sweep=360.0):
    full = abs(sweep) >= 360
    step = sweep / count if full else sweep / max(1, count - 1)
    return [solid(circle(*polar(r, start + step * i), size)) for i in range(count)]


def small_star(centre, r, points=5):
    return solid(move([star(points, r, r * 0.42)], centre[0], centre[1])[0])


def ticks(r0, r1, count, width_deg):
    return [solid(arc_band(r1, r0, a - width_deg / 2, a + width_deg / 2))
            for a in (360 * i / count for i in range(count))]


def rope(r, width, count):
    """A ring of short slanted strokes, like a twisted cord."""
    out = []
    for i in range(count):
        a = 360 * i / count
        p0, p1 = polar(r - width / 2, a - 4), polar(r + width / 2, a + 4)
        p2, p3 = polar(r + width / 2, a + 4 + 360 / count * 0.55), polar(r - width / 2,
                                                                       a - 4 + 360 / count * 0.55)
        out.append(solid(polygon([p0, p3, p2, p1])))
    return out


# Circle badges: an outer ring, a band for circular text, an inner ring around
# the centre, and what decorates the band.
BAND_DECORATIONS = ["plain", "side_dots", "stars", "dotted_inner", "rope", "ticks"]


def circle_badge(outer_width, inner_r, decoration):
    shape = annulus(1.0, 1.0 - outer_width)
    band_mid = (1.0 - outer_width + inner_r) / 2
    if decoration == "dotted_inner":
        shape += dots(inner_r, 36, 0.022)
    else:
        shape += ring_line(inner_r, 0.05)
    if decoration == "side_dots":
        shape += dots(band_mid, 2, 0.085, start=0)
    elif decoration == "stars":
        shape += [small_star(polar(band_mid, a), 0.13) for a in (90, 270)]
    elif decoration == "rope":
        shape += rope(1.0 - outer_width - 0.06, 0.06, 48)
    elif decoration == "ticks":
        shape += ticks(inner_r + 0.04, inner_r + 0.1, 60, 1.6)
    return shape


def circle_ribbon(ring_width, kind):
    """A ring with a banner across its middle."""
    shape = annulus(0.82, 0.82 - ring_width)
    h = 0.2
    if kind == 0:  # straight, notched ends
        shape.append(solid(polygon([(-1.0, -h), (1.0, -h), (0.86, 0), (1.0, h), (-1.0, h),
                                    (-0.86, 0)])))
    elif kind == 1:  # arched
        shape.append(solid(arc_band(1.55, 1.55 - 2 * h, 240, 300, (0, 1.35))))
    else:  # with folded ends
        shape.append(solid(polygon([(-0.86, -h), (0.86, -h), (0.86, h), (-0.86, h)])))
        for s in (-1, 1):
            shape.append(solid(polygon([(s * 0.7, -h - 0.12), (s * 1.0, -h - 0.12),
                                        (s * 0.9, -0.12 + 0.0), (s * 1.0, h - 0.12),
                                        (s * 0.7, h - 0.12)])))
    return shape


def star_arc_badge(count, ring_width):
    shape = annulus(1.0, 1.0 - ring_width) + ring_line(0.6, 0.035)
    r = (1.0 - ring_width + 0.6) / 2
    for i in range(count):
        a = 90 + (i - (count - 1) / 2) * 22
        shape.append(small_star(polar(r, a), 0.11))
    return shape


def dashed_badge(count, with_inner):
    shape = [solid(arc_band(1.0, 0.88, 360 * i / count, 360 * i / count + 360 / count * 0.6))
             for i in range(count)]
    if with_inner:
        shape += annulus(0.8, 0.72)
    return shape


def cog_badge(teeth):
    edge = radial(lambda t: 0.86 + 0.12 * (1 if math.cos(teeth * t) > 0 else 0), teeth * 24,
                  smooth_curve=False)
    return [solid(edge), hole(circle(0, 0, 0.64))]


# Seals: an edge drawn around a window left open for text.
def star_seal(points, ringed):
    inner = 0.84 if points >= 24 else 0.78
    shape = [solid(star(points, 1.0, inner)), hole(circle(0, 0, inner - 0.08))]
    if ringed:
        shape += ring_line(inner - 0.16, 0.035)
    return shape


def scallop_seal(bumps, ringed):
    depth = 0.5 / bumps * 1.6
    edge = radial(lambda t: 1.0 - depth * (1 - abs(math.cos(bumps * t / 2))), bumps * 8)
    shape = [solid(edge), hole(circle(0, 0, 0.8 - depth))]
    if ringed:
        shape += ring_line(0.7 - depth, 0.035)
    return shape


def wave_seal(waves, dotted):
    edge = radial(lambda t: 0.93 + 0.07 * math.sin(waves * t), waves * 10)
    shape = [solid(edge), hole(radial(lambda t: 0.75 + 0.05 * math.sin(waves * t), waves * 10))]
    if dotted:
        shape += dots(0.62, waves * 2, 0.04)
    return shape


def rosette_seal(kind):
    """A seal with a window and two ribbon tails below it."""
    edges = [star(24, 0.7, 0.6), radial(lambda t: 0.7 - 0.05 * (1 - abs(math.cos(9 * t))), 144),
             circle(0, 0, 0.7)]
    shape = []
    for s in (-1, 1):
        if kind < 3:  # narrow tails with notched ends
            tail = [(s * 0.12, -0.3), (s * 0.5, -0.95), (s * 0.35, -0.85), (s * 0.22, -1.0),
                    (s * -0.12, -0.36)]
        else:  # tails spreading wide
            tail = [(s * 0.2, -0.3), (s * 0.85, -0.95), (s * 0.6, -0.92), (s * 0.55, -1.0),
                    (s * -0.05, -0.4)]
        shape.append(solid(polygon(tail)))
    seal = [solid(edges[kind % 3]), hole(circle(0, 0, 0.52)), solid(circle(0, 0, 0.47)),
            hole(circle(0, 0, 0.44))]
    return shape + move(seal, 0, 0.28)


# Rays and bursts
def sunburst(rays, style):
    shape = []
    if style == "window":
        shape += annulus(0.5, 0.42)
    elif style == "disc":
        shape.append(solid(circle(0, 0, 0.42)))
    elif style == "ring_window":
        shape += annulus(0.5, 0.44) + ring_line(0.36, 0.03)
    for i in range(rays):
        a = 360 * i / rays
        long_ray = style != "alternate" or i % 2 == 0
        r1 = 1.0 if long_ray else 0.78
        half = 180 / rays * 0.55
        shape.append(solid(polygon([polar(0.56, a - half), polar(r1, a), polar(0.56, a + half)])))
    if style == "alternate":
        shape += annulus(0.5, 0.42)
    return shape


def rising_sun(rays):
    shape = [solid(polygon(_half_disc(0.38)))]
    for i in range(rays):
        a = 180 * (i + 0.5) / rays
        half = 90 / rays * 0.55
        shape.append(solid(polygon([polar(0.48, a - half, (0, -0.5)), polar(1.05, a, (0, -0.5)),
                                    polar(0.48, a + half, (0, -0.5))])))
    shape.append(solid(polygon([(-1.0, -0.62), (1.0, -0.62), (1.0, -0.55), (-1.0, -0.55)])))
    return shape


def _half_disc(r):
    return [(x, y - 0.5) for x, y in
            [polar(r, a) for a in range(0, 181, 6)]]


def line_burst(lines, ring):
    shape = annulus(0.42, 0.34) if ring else []
    for i in range(lines):
        a = 360 * i / lines
        w = 1.6
        shape.append(solid(polygon([polar(0.5, a - w), polar(1.0, a - w * 0.4),
                                    polar(1.0, a + w * 0.4), polar(0.5, a + w)])))
    return shape


def comic_burst(seed):
    """An uneven burst with a window, as in comics."""
    state = seed * 7919 + 17
    radii = []
    for i in range(2 * (11 + seed)):
        state = (state * 1103515245 + 12345) % 2 ** 31
        jitter = (state % 1000) / 1000
        radii.append(0.8 + 0.2 * jitter if i % 2 == 0 else 0.56 + 0.1 * jitter)
    pts = [polar(r, 90 + 360 * i / len(radii)) for i, r in enumerate(radii)]
    return [solid(polygon(pts)), hole(circle(0, 0, 0.44)), solid(circle(0, 0, 0.4)),
            hole(circle(0, 0, 0.36))]


def glyphs():
    out = []
    for outer in (0.07, 0.12):
        for inner_r in (0.6, 0.7):
            for deco in BAND_DECORATIONS:
                out.append((f"badge_{deco}_{round(outer * 100)}_{round(inner_r * 10)}",
                            circle_badge(outer, inner_r, deco)))
    for ring_width in (0.08, 0.16):
        for kind in range(3):
            out.append((f"badge_ribbon{kind}_{round(ring_width * 100)}",
                        circle_ribbon(ring_width, kind)))
    for count in (3, 5):
        for ring_width in (0.05, 0.1):
            out.append((f"badge_stars{count}_{round(ring_width * 100)}",
                        star_arc_badge(count, ring_width)))
    for count in (12, 24, 36):
        for inner in (False, True):
            out.append((f"badge_dashed{count}{'_ring' if inner else ''}",
                        dashed_badge(count, inner)))
    for teeth in (6, 8, 10, 12, 16, 20, 24):
        out.append((f"cog{teeth}", cog_badge(teeth)))
    for points in (16, 20, 24, 32, 40, 48):
        for ringed in (False, True):
            out.append((f"seal_star{points}{'_ring' if ringed else ''}",
                        star_seal(points, ringed)))
    for bumps in (10, 14, 18, 22, 28, 36):
        for ringed in (False, True):
            out.append((f"seal_scallop{bumps}{'_ring' if ringed else ''}",
                        scallop_seal(bumps, ringed)))
    for waves in (8, 12, 16):
        for dotted in (False, True):
            out.append((f"seal_wave{waves}{'_dots' if dotted else ''}", wave_seal(waves, dotted)))
    for kind in range(6):
        out.append((f"award{kind}", rosette_seal(kind)))
    for rays in (12, 16, 24, 32, 40):
        for style in ("window", "alternate", "ring_window"):
            out.append((f"sunburst{rays}_{style}", sunburst(rays, style)))
    for rays in (7, 9, 11, 15):
        out.append((f"rising_sun{rays}", rising_sun(rays)))
    for lines in (24, 36, 48):
        for ring in (False, True):
            out.append((f"line_burst{lines}{'_ring' if ring else ''}", line_burst(lines, ring)))
    for seed in range(7):
        out.append((f"comic_burst{seed}", comic_burst(seed)))
    return out
