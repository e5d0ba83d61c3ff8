"""Outlines for our symbol fonts: closed contours of lines and cubic curves.

A contour is (start, segments): `start` is a point, each segment is ("L", p)
or ("C", c1, c2, p), and the last segment ends at `start`. A shape is a list of
contours. Filled areas run counter-clockwise and holes clockwise, so that the
non-zero rule of the rasterizer leaves holes open and overlaps filled.
Shapes are drawn in a unit box (-1..1 both ways, y up) and placed into the em
by `to_em`.
"""

import math

KAPPA = 0.5522847498  # control distance of a quarter circle as a cubic curve


def polygon(points):
    return (points[0], [("L", p) for p in points[1:]] + [("L", points[0])])


def _points(contour):
    start, segs = contour
    pts = [start]
    for s in segs:
        pts.extend(s[1:])
    return pts


def area(contour):
    """Signed area of the control polygon: positive counter-clockwise."""
    pts = _points(contour)
    return 0.5 * sum(x0 * y1 - x1 * y0 for (x0, y0), (x1, y1) in zip(pts, pts[1:] + pts[:1]))


def reverse(contour):
    start, segs = contour
    ends = [start] + [s[-1] for s in segs]
    out = []
    for i in range(len(segs) - 1, -1, -1):
        s, to = segs[i], ends[i]
        out.append(("L", to) if s[0] == "L" else ("C", s[2], s[1], to))
    return (ends[-1], out)


def solid(contour):
    return contour if area(contour) > 0 else reverse(contour)


def hole(contour):
    return contour if area(contour) < 0 else reverse(contour)


def transform(shape, fn):
    def tc(contour):
        start, segs = contour
        return (fn(start), [(s[0],) + tuple(fn(p) for p in s[1:]) for s in segs])
    return [tc(c) for c in shape]


def rotate(shape, degrees, about=(0.0, 0.0)):
    a = math.radians(degrees)
    ca, sa = math.cos(a), math.sin(a)
    ox, oy = about
    return transform(shape, lambda p: (ox + (p[0] - ox) * ca - (p[1] - oy) * sa,
                                       oy + (p[0] - ox) * sa + (p[1] - oy) * ca))


def scale(shape, sx, sy=None):
    sy = sx if sy is None else sy
    return transform(shape, lambda p: (p[0] * sx, p[1] * sy))


def move(shape, dx, dy):
    return transform(shape, lambda p: (p[0] + dx, p[1] + dy))


def mirror_x(shape):
    """Mirrors left to right; mirroring turns every contour round, so turn it back."""
    return [reverse(c) for c in transform(shape, lambda p: (-p[0], p[1]))]


def ellipse(cx, cy, rx, ry):
    k = KAPPA
    pts = [(cx + rx, cy), (cx, cy + ry), (cx - rx, cy), (cx, cy - ry)]
    segs = []
    for i in range(4):
        (x0, y0), (x1, y1) = pts[i], pts[(i + 1) % 4]
        # tangents of an axis-aligned ellipse at its extreme points
        c1 = (x0 - k * (y0 - cy) * rx / ry, y0 + k * (x0 - cx) * ry / rx)
        c2 = (x1 + k * (y1 - cy) * rx / ry, y1 - k * (x1 - cx) * ry / rx)
        segs.append(("C", c1, c2, (x1, y1)))
    return (pts[0], segs)


def circle(cx, cy, r):
    return ellipse(cx, cy, r, r)


def smooth(points, tension=1.0):
    """A closed smooth curve through `points` (Catmull-Rom as cubic curves)."""
    n = len(points)
    segs = []
    for i in range(n):
        p0, p1, p2, p3 = points[i - 1], points[i], points[(i + 1) % n], points[(i + 2) % n]
        c1 = (p1[0] + (p2[0] - p0[0]) * tension / 6, p1[1] + (p2[1] - p0[1]) * tension / 6)
        c2 = (p2[0] - (p3[0] - p1[0]) * tension / 6, p2[1] - (p3[1] - p1[1]) * tension / 6)
        segs.append(("C", c1, c2, p2))
    return (points[0], segs)


def radial(fn, samples, smooth_curve=True, phase=90.0):
    """A closed curve r = fn(theta) around the origin, starting at `phase` degrees."""
    pts = []
    for i in range(samples):
        t = math.radians(phase) + 2 * math.pi * i / samples
        r = fn(t)
        pts.append((r * math.cos(t), r * math.sin(t)))
    return smooth(pts) if smooth_curve else polygon(pts)


def star(points, outer, inner, phase=90.0):
    pts = []
    for i in range(2 * points):
        r = outer if i % 2 == 0 else inner
        t = math.radians(phase) + math.pi * i / points
        pts.append((r * math.cos(t), r * math.sin(t)))
    return polygon(pts)


def regular(sides, r, phase=90.0):
    return polygon([(r * math.cos(math.radians(phase) + 2 * math.pi * i / sides),
                     r * math.sin(math.radians(phase) + 2 * math.pi * i / sides))
                    for i in range(sides)])


def rounded_rect(x0, y0, x1, y1, r):
    r = min(r, (x1 - x0) / 2, (y1 - y0) / 2)
    k = KAPPA * r
    return ((x1 - r, y0), [
        ("C", (x1 - r + k, y0), (x1, y0 + r - k), (x1, y0 + r)),
        ("L", (x1, y1 - r)),
        ("C", (x1, y1 - r + k), (x1 - r + k, y1), (x1 - r, y1)),
        ("L", (x0 + r, y1)),
        ("C", (x0 + r - k, y1), (x0, y1 - r + k), (x0, y1 - r)),
        ("L", (x0, y0 + r)),
        ("C", (x0, y0 + r - k), (x0 + r - k, y0), (x0 + r, y0)),
        ("L", (x1 - r, y0)),
    ])


def ring(outer, inner):
    """A filled outer contour with a hole: both as contours."""
    return [solid(outer), hole(inner)]


def to_em(shape, em=1000, centre=(500, 300), half=430):
    """Places a unit-box shape into the em, rounded to whole font units."""
    cx, cy = centre
    return transform(shape, lambda p: (round(cx + p[0] * half), round(cy + p[1] * half)))


def draw(shape, pen):
    for start, segs in shape:
        pen.moveTo(start)
        for s in segs:
            if s[0] == "L":
                if s[1] != start or s is not segs[-1]:
                    pen.lineTo(s[1])
            else:
                pen.curveTo(s[1], s[2], s[3])
        pen.closePath()


def polar(r, degrees, centre=(0.0, 0.0)):
    a = math.radians(degrees)
    return (centre[0] + r * math.cos(a), centre[1] + r * math.sin(a))


def arc_points(r, start, stop, centre=(0.0, 0.0), step=4.0):
    """Points along a circle from `start` to `stop` degrees, both included."""
    n = max(2, int(math.ceil(abs(stop - start) / step)))
    return [polar(r, start + (stop - start) * i / n, centre) for i in range(n + 1)]


def arc_band(outer, inner, start, stop, centre=(0.0, 0.0)):
    """The part of a ring between two angles, as one contour."""
    return polygon(arc_points(outer, start, stop, centre) +
                   arc_points(inner, stop, start, centre))


def annulus(outer, inner, centre=(0.0, 0.0)):
    return [solid(circle(centre[0], centre[1], outer)), hole(circle(centre[0], centre[1], inner))]
