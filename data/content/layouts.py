"""Logo layouts: where the mark, the name and the tagline of a template go,
measured with the fonts so that every group is centred on the logo centre.
Each layout returns the objects back to front."""

from styles import WHITE


class Part:
    """One object and its ink box (w, h); x, y place its centre."""

    def __init__(self, obj, w, h):
        self.obj, self.w, self.h = obj, w, h

    def at(self, x, y):
        self.obj["x"], self.obj["y"] = int(round(x)), int(round(y))
        return self.obj


class Kit:
    """Makes parts from faces, glyphs and styles, measured with `metrics`."""

    def __init__(self, metrics, shapes):
        self.m = metrics
        self.shapes = shapes  # (face, glyph) pairs of the shape table

    def text(self, s, face, size, style, spacing=0, aspect=1.0):
        lt = {"str": s, "font": face, "size": int(size), "spacing": int(spacing), "aspect": aspect}
        lt.update(style)
        w, h = self.m.text_box(face, s, size, spacing, aspect)
        return Part({"type": 0, "lt": lt}, w, h)

    def text_fitting(self, s, face, size, style, max_w, spacing=0, aspect=1.0):
        """The text at `size`, or smaller so that it is at most max_w wide."""
        w, _ = self.m.text_box(face, s, size, spacing, aspect)
        if w > max_w:
            size = size * max_w / w
        return self.text(s, face, size, style, spacing, aspect)

    def shape(self, ref, w, h, style, keep_aspect=True):
        """The shape `ref` ("face:glyph") with its ink w x h, or fitted into
        w x h keeping its proportions."""
        face, glyph = ref
        if (face, glyph) not in self.shapes:
            raise KeyError(f"shape {face} {glyph} is not in the shape table")
        iw, ih = self.m.shape_box(face, glyph, 1000, 1000)
        if keep_aspect:
            k = min(w / iw, h / ih)
            w, h = iw * k, ih * k
        lt = {"font": face, "shape": glyph, "width": max(1, int(round(w * 1000 / iw))),
              "size": max(1, int(round(h * 1000 / ih)))}
        lt.update(style)
        return Part({"type": 1, "lt": lt}, w, h)


def stack(parts, gaps, x=0.0, y=0.0):
    """Parts one under another, centred on x, the whole centred on y."""
    total = sum(p.h for p in parts) + sum(gaps)
    top = y - total / 2
    out = []
    for i, p in enumerate(parts):
        out.append(p.at(x, top + p.h / 2))
        top += p.h + (gaps[i] if i < len(gaps) else 0)
    return out


def left_stack(parts, gaps, left, y=0.0):
    """Parts one under another, left-aligned at `left`, centred on y."""
    total = sum(p.h for p in parts) + sum(gaps)
    top = y - total / 2
    out = []
    for i, p in enumerate(parts):
        out.append(p.at(left + p.w / 2, top + p.h / 2))
        top += p.h + (gaps[i] if i < len(gaps) else 0)
    return out


def block_width(parts):
    return max(p.w for p in parts)


def block_height(parts, gaps):
    return sum(p.h for p in parts) + sum(gaps)


# ---- Layouts: each takes the kit and a template's spec ----

def _name_tag(k, t, max_w=520):
    name = k.text_fitting(t["name"], t["name_font"], t.get("name_size", 72), t["name_style"], max_w,
                          t.get("name_spacing", 0), t.get("name_aspect", 1.0))
    tag = k.text_fitting(t["tag"], t["tag_font"], t.get("tag_size", 22), t["tag_style"], max_w,
                         t.get("tag_spacing", 2))
    return name, tag


def _mark(k, t, size):
    """The icon alone, or inside its container: parts, box w, h."""
    if "container" not in t:
        icon = k.shape(t["icon"], size, size, t["icon_style"])
        return [icon], icon.w, icon.h
    box = k.shape(t["container"], size, size, t["container_style"])
    inner = t.get("icon_scale", 0.5)
    parts = [box]
    if "icon" in t:
        parts.append(k.shape(t["icon"], box.w * inner, box.h * inner, t["icon_style"]))
    elif "initial" in t:
        parts.append(k.text(t["initial"], t["initial_font"], box.h * inner, t["icon_style"]))
    return parts, box.w, box.h


def _place_mark(parts, x, y, t):
    out = [parts[0].at(x, y)]
    dy = t.get("icon_dy", 0) * parts[0].h
    for p in parts[1:]:
        out.append(p.at(x, y + dy))
    return out


def stacked(k, t):
    """Mark on top, then the name, then the tagline."""
    name, tag = _name_tag(k, t)
    marks, mw, mh = _mark(k, t, t.get("mark_size", 130))
    gaps = [t.get("gap", 18), t.get("tag_gap", 12)]
    total = mh + name.h + tag.h + sum(gaps)
    top = -total / 2
    out = _place_mark(marks, 0, top + mh / 2, t)
    out += stack([name, tag], gaps[1:], 0, top + mh + gaps[0] + (name.h + gaps[1] + tag.h) / 2)
    return out


def side(k, t):
    """Mark on the left, name and tagline left-aligned beside it."""
    name, tag = _name_tag(k, t, 460)
    gaps = [t.get("tag_gap", 10)]
    bh = block_height([name, tag], gaps)
    marks, mw, mh = _mark(k, t, t.get("mark_size", max(90, bh * 1.25)))
    space = t.get("gap", 24)
    total = mw + space + block_width([name, tag])
    left = -total / 2
    out = _place_mark(marks, left + mw / 2, 0, t)
    out += left_stack([name, tag], gaps, left + mw + space, 0)
    return out


def ribbon_badge(k, t):
    """A large badge with the mark in its upper half, a ribbon across its
    lower half carrying the name, the tagline under the whole."""
    size = t.get("mark_size", 210)
    box = k.shape(t["container"], size, size, t["container_style"])
    name = k.text_fitting(t["name"], t["name_font"], t.get("name_size", 40), t["name_style"], box.w * 1.15,
                          t.get("name_spacing", 0))
    rib_w = max(box.w * 1.3, name.w * 1.45)
    ribbon = k.shape(t["ribbon"], rib_w, name.h * 2.3, t["ribbon_style"], keep_aspect=False)
    tag = k.text(t["tag"], t["tag_font"], t.get("tag_size", 20), t["tag_style"], t.get("tag_spacing", 2))
    gap = t.get("tag_gap", 16)
    rib_y = box.h * t.get("ribbon_at", 0.2)
    bottom = max(box.h / 2, rib_y + ribbon.h / 2)
    total = box.h / 2 + bottom + gap + tag.h
    cy = -total / 2 + box.h / 2  # badge centre
    out = [box.at(0, cy)]
    if "icon" in t:
        icon = k.shape(t["icon"], box.w * t.get("icon_scale", 0.36), box.h * t.get("icon_scale", 0.36),
                       t["icon_style"])
        out.append(icon.at(0, cy - box.h * 0.14))
    out.append(ribbon.at(0, cy + rib_y))
    out.append(name.at(0, cy + rib_y + t.get("name_dy", -0.08) * ribbon.h))
    out.append(tag.at(0, cy + bottom + gap + tag.h / 2))
    return out


def wordmark(k, t):
    """A large name with an ornament above or below and the tagline."""
    name, tag = _name_tag(k, t, 600)
    orn = k.shape(t["ornament"], t.get("ornament_w", name.w * 0.9), t.get("ornament_h", 60),
                  t["ornament_style"], keep_aspect=t.get("ornament_keep", True))
    where = t.get("ornament_where", "above")
    if where == "above":
        parts, gaps = [orn, name, tag], [t.get("gap", 10), t.get("tag_gap", 12)]
    elif where == "between":
        parts, gaps = [name, orn, tag], [t.get("gap", 8), t.get("tag_gap", 8)]
    else:  # behind: the ornament under the name, the tagline below
        out = [orn.at(0, -tag.h / 2 - 6 + t.get("ornament_dy", 0))]
        out += stack([name, tag], [t.get("tag_gap", 14)])
        return out
    return stack(parts, gaps)


def laurel(k, t):
    """A wreath round an initial or icon, the name and tagline below."""
    size = t.get("mark_size", 150)
    wreath = k.shape(t["wreath"], size, size, t["wreath_style"])
    if "icon" in t:
        inner = k.shape(t["icon"], wreath.w * 0.42, wreath.h * 0.42, t["icon_style"])
    else:
        inner = k.text(t["initial"], t["initial_font"], wreath.h * 0.5, t["icon_style"])
    name, tag = _name_tag(k, t)
    gaps = [t.get("gap", 14), t.get("tag_gap", 10)]
    total = wreath.h + name.h + tag.h + sum(gaps)
    top = -total / 2
    cy = top + wreath.h / 2
    out = [wreath.at(0, cy), inner.at(0, cy + t.get("icon_dy", 0) * wreath.h)]
    out += stack([name, tag], gaps[1:], 0, top + wreath.h + gaps[0] + (name.h + gaps[1] + tag.h) / 2)
    return out


def framed(k, t):
    """Name and tagline inside a frame or plate."""
    name, tag = _name_tag(k, t, 440)
    gaps = [t.get("tag_gap", 10)]
    bw = block_width([name, tag])
    bh = block_height([name, tag], gaps)
    frame = k.shape(t["container"], bw * t.get("pad_x", 1.35), bh * t.get("pad_y", 1.9), t["container_style"],
                    keep_aspect=False)
    if "icon" not in t:
        return [frame.at(0, 0)] + stack([name, tag], gaps)
    icon = k.shape(t["icon"], t.get("icon_size", 60), t.get("icon_size", 60), t["icon_style"])
    gap = t.get("icon_gap", 12)
    top = -(icon.h + gap + frame.h) / 2
    fy = top + icon.h + gap + frame.h / 2
    return [icon.at(0, top + icon.h / 2), frame.at(0, fy)] + stack([name, tag], gaps, 0, fy)


LAYOUTS = {"stacked": stacked, "side": side, "ribbon_badge": ribbon_badge, "wordmark": wordmark,
           "laurel": laurel, "framed": framed}
