"""The style library: fill, gradient, outline and shadow, alone and combined,
from quiet corporate looks to loud display ones. Colours are (hue,
saturation, lightness) on the 0..240 scale; the style row turns each style
round the colour wheel, so what tells two styles apart is their make-up and
the relation of their colours, not their hue alone."""

WHITE = (0, 0, 240)
BLACK = (0, 0, 0)


def fill(color):
    return {"color": list(color)}


def gradient(c1, c2, angle=90, o1=1.0, o2=1.0):
    return {"grad": 1, "grad_angle": angle, "grad_color1": list(c1), "grad_color2": list(c2),
            "grad_opacity1": o1, "grad_opacity2": o2}


def outline(color, strength=1, sharpness=0.5, opacity=1.0):
    return {"has_outline": 1, "outline_color": list(color), "strength": strength,
            "outline_sharpness": sharpness, "outline_opacity": opacity}


def shadow(color=BLACK, distance=5, opacity=0.5, angle=45, strength=None):
    s = {"has_shadow": 1, "shadow_color": list(color), "shadow_distance": distance,
         "shadow_opacity": opacity, "shadow_angle": angle}
    if strength is not None:
        s["strength"] = strength
    return s


def glow(color, strength=4, opacity=0.9):
    return shadow(color, distance=0, opacity=opacity, strength=strength)


def style(name, *parts):
    s = {"name": name}
    for p in parts:
        s.update(p)
    return s


# Solid fills: the quiet end.
SOLIDS = [
    style("Ink", fill((160, 60, 35))),
    style("Navy", fill((155, 150, 60))),
    style("Signal", fill((0, 200, 105))),
    style("Forest", fill((85, 140, 70))),
    style("Pastel", fill((140, 150, 185))),
    style("Slate", fill((145, 35, 95))),
    style("Tangerine", fill((17, 235, 120))),
    style("Neutral grey", fill((0, 0, 140))),
]

# Solid with an outline.
OUTLINED = [
    style("Keyline", fill((150, 180, 120)), outline(BLACK, 0, 0.3)),
    style("Bright rim", fill((0, 200, 60)), outline((0, 220, 170), 2, 0.9)),
    style("Tone on tone", fill((80, 150, 150)), outline((80, 200, 60), 1, 0.6)),
    style("Comic", fill((38, 240, 130)), outline(BLACK, 3, 0.9)),
    style("Soft halo", fill((160, 200, 90)), outline((160, 200, 200), 4, 0.2)),
    style("Pop contrast", fill((200, 200, 120)), outline((40, 240, 120), 2, 0.8)),
    style("Hollow", fill(WHITE), outline((155, 160, 80), 1, 0.7)),
    style("Ghost", fill((120, 80, 205)), outline((120, 150, 80), 0, 0.5)),
    style("Heavy rim", fill((10, 210, 140)), outline((10, 200, 45), 5, 0.8)),
    style("Blueprint", fill((145, 200, 200)), outline((150, 220, 70), 0, 0.9)),
    style("Mint rim", fill((100, 120, 200)), outline((100, 200, 70), 1, 0.9)),
    style("Night keyline", fill((165, 100, 25)), outline((165, 220, 160), 0, 0.6)),
    style("Double tone", fill((25, 220, 150)), outline((215, 180, 70), 2, 0.6)),
    style("Pale rim", fill((175, 120, 80)), outline((175, 100, 215), 2, 0.7)),
]

# Solid with a shadow or a glow.
SHADOWED = [
    style("Soft drop", fill((150, 170, 100)), shadow(BLACK, 5, 0.45, strength=3)),
    style("Inset", fill((150, 60, 150)), shadow((150, 100, 30), 4, 1.0, 225, 0)),
    style("Hard offset", fill((5, 210, 120)), shadow((5, 220, 50), 5, 1.0, strength=0)),
    style("Long shadow", fill((120, 150, 110)), shadow(BLACK, 14, 0.35, strength=4)),
    style("Glow", fill((130, 200, 170)), glow((130, 240, 120), 5)),
    style("Dark glow", fill((0, 0, 235)), glow(BLACK, 5, 1.0)),
    style("Retro offset", fill((30, 210, 200)), shadow((0, 200, 120), 6, 1.0, strength=0)),
    style("Floating", fill((200, 170, 120)), shadow(BLACK, 12, 0.25, 90, 6)),
    style("Embossed", fill((30, 60, 200)), shadow((30, 60, 120), 2, 0.8, 315, 1)),
    style("Lifted", fill((95, 220, 95)), shadow(BLACK, 3, 0.6, strength=2)),
    style("Ember glow", fill((20, 240, 160)), glow((5, 240, 90), 6, 1.0)),
    style("Cold glow", fill((140, 150, 190)), glow((150, 240, 130), 4, 1.0)),
    style("Misty", fill((0, 0, 70)), shadow((160, 60, 160), 8, 0.6, strength=7)),
    style("Stamp", fill((230, 170, 80)), shadow((230, 170, 200), 4, 1.0, 135, 0)),
]

# Solid with outline and shadow.
FRAMED = [
    style("Die-cut sticker", fill((160, 200, 110)), outline(WHITE, 3, 0.9), shadow(BLACK, 5, 0.4, strength=3)),
    style("Cartoon", fill((35, 240, 125)), outline(BLACK, 2, 0.9), shadow(BLACK, 5, 1.0, strength=2)),
    style("Diner", fill((30, 200, 215)), outline((5, 160, 70), 1, 0.8), shadow((15, 220, 110), 6, 1.0, strength=1)),
    style("Neon tube", fill((210, 240, 225)), outline((210, 240, 120), 2, 0.4), glow((210, 240, 120), 5, 1.0)),
    style("Arcade", fill((120, 240, 150)), outline((200, 240, 60), 2, 0.8), shadow((200, 240, 40), 7, 1.0, strength=2)),
    style("Varsity", fill((0, 210, 95)), outline(WHITE, 2, 0.9), shadow((160, 180, 50), 5, 1.0, strength=2)),
    style("Badge", fill((150, 110, 45)), outline((40, 200, 150), 1, 0.8), shadow(BLACK, 4, 0.5, strength=1)),
    style("Soft sticker", fill((220, 150, 190)), outline(WHITE, 4, 0.7), shadow((220, 80, 100), 4, 0.4, strength=4)),
    style("Game title", fill((40, 240, 130)), outline((0, 220, 70), 3, 0.9), shadow(BLACK, 8, 0.8, strength=3)),
    style("Bubble", fill((130, 200, 190)), outline((140, 220, 100), 4, 0.6), shadow((140, 200, 60), 4, 0.5, strength=4)),
    style("Poster", fill(WHITE), outline(BLACK, 1, 0.9), shadow((0, 220, 110), 6, 1.0, strength=1)),
    style("Night sign", fill((60, 220, 200)), outline((75, 240, 100), 1, 0.5), glow((80, 240, 110), 6, 0.9)),
    style("Chisel", fill((25, 60, 140)), outline((25, 40, 60), 1, 0.9), shadow(WHITE, 2, 0.8, 225, 1)),
    style("Toy", fill((0, 230, 140)), outline((40, 240, 130), 3, 0.9), shadow((0, 240, 60), 6, 1.0, strength=3)),
]

# Two-colour gradients.
GRADIENTS = [
    style("Depth", gradient((150, 180, 160), (150, 200, 60))),
    style("Sunset", gradient((25, 240, 130), (225, 200, 110))),
    style("Ocean", gradient((120, 220, 130), (160, 200, 70), 45)),
    style("Lime", gradient((55, 220, 150), (90, 200, 80))),
    style("Fire", gradient((35, 240, 130), (0, 230, 100), 90)),
    style("Gold leaf", gradient((35, 200, 175), (25, 190, 80), 90)),
    style("Silver", gradient((0, 0, 235), (150, 20, 110), 90)),
    style("Bronze", gradient((18, 140, 160), (15, 150, 60), 90)),
    style("Rose gold", gradient((5, 140, 190), (15, 110, 120), 45)),
    style("Candy", gradient((215, 220, 170), (180, 180, 120), 0)),
    style("Aqua", gradient((110, 220, 180), (135, 220, 95), 135)),
    style("Mint fade", gradient((100, 150, 210), (100, 150, 120), 90)),
    style("Dusk", gradient((170, 160, 100), (200, 140, 40), 90)),
    style("Peach", gradient((15, 220, 200), (235, 200, 150), 0)),
    style("Steel", gradient((150, 60, 175), (150, 50, 70), 90)),
    style("Aurora", gradient((90, 220, 130), (180, 220, 110), 0)),
    style("Ember", gradient((10, 230, 70), (35, 240, 140), 90)),
    style("Fade out", fill((160, 200, 60)), gradient((160, 200, 60), (160, 200, 60), 0, 1.0, 0.2)),
    style("Sheen", gradient((140, 200, 200), (140, 220, 70), 45), outline(WHITE, 0, 0.3, 0.8)),
    style("Spring", gradient((70, 200, 170), (40, 230, 140), 45)),
]

GRADIENT_OUTLINED = [
    style("Gold rim", gradient((38, 220, 170), (25, 200, 90), 90), outline((20, 150, 40), 1, 0.8)),
    style("Chrome", gradient((0, 0, 240), (150, 30, 90), 90), outline((150, 40, 50), 1, 0.9)),
    style("Sunset rim", gradient((30, 240, 140), (220, 200, 110), 90), outline(WHITE, 2, 0.8)),
    style("Frost", gradient((135, 200, 225), (145, 200, 150), 90), outline((150, 200, 70), 0, 0.6)),
    style("Lava", gradient((35, 240, 120), (0, 240, 80), 90), outline((0, 200, 30), 2, 0.8)),
    style("Pop art", gradient((200, 240, 150), (165, 240, 110), 45), outline(BLACK, 2, 0.9)),
    style("Toxic", gradient((60, 240, 130), (85, 230, 80), 90), outline((190, 200, 40), 2, 0.8)),
    style("Pearl", gradient((200, 100, 215), (130, 100, 180), 45), outline((160, 80, 110), 1, 0.5)),
    style("Berry", gradient((220, 200, 140), (190, 180, 70), 90), outline((220, 220, 210), 1, 0.7)),
    style("Copper rim", gradient((15, 170, 150), (10, 170, 80), 90), outline((30, 220, 190), 1, 0.8)),
    style("Icy rim", gradient((130, 100, 230), (150, 180, 120), 90), outline(WHITE, 3, 0.9)),
    style("Forest rim", gradient((75, 160, 120), (95, 180, 55), 90), outline((40, 200, 170), 1, 0.6)),
]

GRADIENT_SHADOWED = [
    style("Raised gold", gradient((38, 220, 170), (25, 200, 90), 90), shadow(BLACK, 4, 0.5, strength=2)),
    style("Deep sea", gradient((125, 220, 140), (165, 220, 50), 90), shadow((165, 220, 30), 6, 0.6, strength=4)),
    style("Glowing sunset", gradient((35, 240, 150), (230, 210, 120), 90), glow((20, 240, 160), 5, 0.8)),
    style("Soft metal", gradient((0, 0, 225), (150, 20, 120), 90), shadow(BLACK, 3, 0.5, strength=2)),
    style("Hover", gradient((170, 180, 150), (200, 180, 100), 0), shadow(BLACK, 12, 0.3, 90, 6)),
    style("Plasma", gradient((200, 240, 180), (160, 240, 110), 90), glow((190, 240, 140), 6, 0.9)),
    style("Warm drop", gradient((20, 220, 160), (5, 220, 100), 90), shadow((5, 200, 50), 5, 0.7, strength=1)),
    style("Meadow", gradient((55, 200, 160), (85, 180, 80), 90), shadow((85, 200, 40), 4, 0.4, strength=3)),
    style("Cinema", gradient((40, 240, 200), (30, 240, 110), 90), shadow((0, 200, 40), 8, 0.9, strength=2)),
    style("Cool lift", gradient((145, 150, 200), (155, 180, 130), 90), shadow((160, 200, 60), 3, 0.6, strength=2)),
]

# Everything at once: the loud display end.
DISPLAY = [
    style("Blockbuster", gradient((38, 240, 190), (20, 240, 100), 90), outline((0, 200, 35), 2, 0.9), shadow(BLACK, 7, 0.8, strength=2)),
    style("Superhero", gradient((160, 240, 140), (165, 240, 70), 90), outline((40, 240, 130), 2, 0.9), shadow((0, 230, 80), 6, 1.0, strength=2)),
    style("Neon sign", gradient((210, 240, 220), (210, 240, 160), 90), outline((210, 240, 110), 2, 0.4), glow((210, 240, 120), 6, 1.0)),
    style("Candy shop", gradient((220, 240, 190), (200, 220, 140), 90), outline(WHITE, 4, 0.9), shadow((210, 200, 60), 5, 0.6, strength=4)),
    style("Retro chrome", gradient((140, 200, 220), (20, 140, 120), 90), outline((150, 220, 40), 2, 0.9), shadow((0, 200, 120), 5, 1.0, strength=2)),
    style("Gamer", gradient((80, 240, 150), (120, 240, 90), 90), outline(BLACK, 3, 0.9), glow((80, 240, 120), 5, 0.9)),
    style("Royal", gradient((40, 220, 180), (30, 210, 100), 90), outline((175, 160, 50), 2, 0.9), shadow((175, 160, 30), 5, 0.8, strength=3)),
    style("Summer fair", gradient((40, 240, 150), (10, 240, 130), 45), outline((160, 200, 70), 2, 0.9), shadow((160, 200, 40), 6, 1.0, strength=1)),
    style("Electric", gradient((130, 240, 200), (160, 240, 120), 90), outline((170, 240, 40), 1, 0.9), glow((140, 240, 150), 6, 1.0)),
    style("Hot rod", gradient((30, 240, 140), (0, 240, 90), 90), outline(BLACK, 2, 0.9), shadow((0, 160, 40), 4, 0.9, strength=1)),
    style("Bubblegum", gradient((215, 200, 200), (195, 200, 160), 90), outline((170, 200, 100), 3, 0.9), shadow((170, 200, 60), 5, 0.6, strength=3)),
    style("Jungle", gradient((60, 220, 150), (90, 200, 60), 90), outline((30, 200, 170), 2, 0.8), shadow(BLACK, 6, 0.6, strength=3)),
    style("Midnight", gradient((170, 160, 120), (180, 200, 40), 90), outline((180, 200, 200), 1, 0.6), glow((170, 220, 150), 5, 0.7)),
    style("Festival", gradient((200, 240, 150), (20, 240, 130), 0), outline(WHITE, 3, 0.9), shadow(BLACK, 6, 0.7, strength=3)),
]

ALL = SOLIDS + OUTLINED + SHADOWED + FRAMED + GRADIENTS + GRADIENT_OUTLINED + GRADIENT_SHADOWED + DISPLAY


def style_fields(s):
    return {k: v for k, v in s.items() if k != "name"}
