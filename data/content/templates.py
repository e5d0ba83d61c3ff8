"""The template library: finished logos across common fields, each a mark
from the shape library (emblems, icons), a placeholder company name and a
tagline in our fonts, coloured with the fills and effects of styles.py.

Shapes are named "em:N" (Emblems glyph N), "sb:N" (Starburst), "fa:name"
(Fork Awesome icon), "md:name" (Material Design Icons icon)."""

from layouts import LAYOUTS, Kit
from styles import BLACK, WHITE, fill, glow, gradient, outline, shadow

FACES = {"em": "Emblems Regular", "sb": "Starburst Regular", "ge": "Geometric Regular",
         "fa": "forkawesome Regular", "md": "Material Design Icons Regular"}

WHITE_BG = (0, 0, 240)
CREAM = (35, 110, 228)
PAPER = (30, 40, 232)
ICE = (140, 100, 232)
MINT_BG = (100, 90, 228)
BLUSH = (230, 120, 230)
NIGHT = (160, 80, 28)
INK_BG = (0, 0, 24)
FOREST_BG = (90, 120, 35)

# Type pairs: (name face, tagline face).
GEOMETRIC = ("League Spartan Black", "Lato Regular")
TECH = ("Sora ExtraBold", "Sora Regular")
ROUND = ("Comfortaa Bold", "Comfortaa Regular")
FRIENDLY = ("Quicksand Bold", "Quicksand Regular")
CLASSIC = ("GFS Didot Bold", "EB Garamond 12 Italic")
SLAB = ("Roboto Slab Bold", "Roboto Regular")
CONDENSED = ("Bebas Neue Bold", "Open Sans Regular")
SCRIPT = ("Kaushan Script Regular", "Lato Bold")
ELEGANT = ("Great Vibes Regular", "EB Garamond SC 12 Regular")
SPORT = ("Roboto Condensed Bold", "Open Sans Condensed Bold")
MODERN = ("Inter Black", "Inter Regular")
SERIF = ("Vollkorn Black", "Vollkorn Regular")


def c(h, s, l):
    return (h, s, l)


def solid(color, *more):
    out = fill(color)
    for m in more:
        out.update(m)
    return out


def grad(c1, c2, angle=90, *more):
    out = fill(c2)
    out.update(gradient(c1, c2, angle))
    for m in more:
        out.update(m)
    return out


def T(title, layout, bg, pair, name, tag, **spec):
    spec.update(title=title, layout=layout, bg=bg, name=name, tag=tag,
                name_font=spec.pop("name_font", pair[0]), tag_font=spec.pop("tag_font", pair[1]))
    return spec


NAVY, TEAL, CORAL, GOLD = c(155, 150, 60), c(120, 200, 80), c(5, 190, 145), c(32, 200, 110)
CHARCOAL, GREY, RED, ORANGE = c(160, 20, 45), c(0, 0, 120), c(0, 200, 100), c(17, 230, 115)
GREEN, LEAF, SKY, VIOLET = c(85, 150, 70), c(65, 170, 100), c(140, 200, 125), c(185, 150, 100)
PINK, BROWN, PLUM, SAND = c(220, 170, 140), c(20, 110, 60), c(205, 100, 60), c(30, 100, 170)

TEMPLATES = [
    # ---- Technology ----
    T("Tech Circuit", "side", WHITE_BG, TECH, "NOVALINK", "SMART SYSTEMS FOR TOMORROW",
      container="em:186", container_style=grad(c(140, 220, 120), c(165, 200, 70)),
      icon="fa:microchip", icon_style=solid(WHITE), icon_scale=0.5,
      name_style=solid(NAVY), tag_style=solid(GREY), tag_size=16, tag_spacing=2),
    T("Tech Cloud", "stacked", ICE, MODERN, "Cloudnest", "Your data, anywhere",
      icon="fa:cloud", icon_style=grad(c(130, 220, 150), c(160, 200, 90), 90, shadow(c(160, 100, 60), 4, 0.35, strength=3)),
      mark_size=120, name_style=solid(c(160, 120, 50)), tag_style=solid(c(150, 60, 110)), tag_size=22, tag_spacing=1),
    T("Tech Rocket", "laurel", NIGHT, GEOMETRIC, "LAUNCHPAD", "STARTUP STUDIO",
      wreath="em:104", wreath_style=solid(c(30, 220, 150)), icon="fa:rocket",
      icon_style=solid(WHITE, glow(c(30, 240, 140), 3, 0.7)), mark_size=170,
      name_style=solid(WHITE), tag_style=solid(c(30, 200, 160)), tag_size=18, tag_spacing=6),
    T("Tech Code", "framed", CHARCOAL, ("Play Bold", "Play Regular"), "<bytecraft/>", "clean code, shipped fast",
      container="em:164", container_style=solid(c(85, 200, 130)),
      name_style=solid(c(85, 220, 140)), tag_style=solid(c(0, 0, 200)), name_size=60, tag_size=20, tag_spacing=1),
    T("Tech Data", "side", WHITE_BG, ("Manrope ExtraBold", "Manrope Regular"), "Datapeak", "Analytics that move you",
      icon="fa:area-chart", icon_style=grad(c(200, 200, 140), c(160, 220, 110), 0),
      name_style=solid(c(170, 80, 40)), tag_style=solid(c(170, 30, 120)), name_size=70, tag_size=22, tag_spacing=1),
    T("Tech Signal", "stacked", c(150, 200, 55), TECH, "WAVEFORM", "CONNECTED NETWORKS",
      container="em:280", container_style=solid(c(120, 220, 150)), icon="fa:wifi", icon_style=solid(WHITE),
      icon_scale=0.32, mark_size=120,
      name_style=solid(WHITE), tag_style=solid(c(120, 200, 170)), name_size=64, tag_size=18, tag_spacing=5),

    # ---- Food and drink ----
    T("Food Bistro", "ribbon_badge", CREAM, SERIF, "LE PETIT BISTRO", "FRENCH KITCHEN SINCE 1998",
      container="em:60", container_style=solid(c(30, 170, 120)), icon="fa:cutlery", icon_style=solid(c(5, 150, 70)),
      ribbon="em:290", ribbon_style=solid(c(5, 150, 70)), name_style=solid(c(35, 110, 228)), name_size=34, name_spacing=1,
      tag_style=solid(c(5, 150, 70)), tag_size=16, tag_spacing=3),
    T("Food Coffee", "laurel", PAPER, ("Lobster Two Bold", "Lato Bold"), "Bean & Brew", "ROASTED DAILY",
      wreath="em:317", wreath_style=solid(c(20, 100, 55)), icon="fa:coffee", icon_style=solid(c(20, 120, 45)),
      name_style=solid(c(20, 110, 45)), tag_style=solid(c(25, 90, 110)), name_size=70, tag_size=18, tag_spacing=6),
    T("Food Pizza", "stacked", c(40, 200, 225), ("Cherry Bomb Regular", "Quicksand Bold"), "Pizza Pronto", "hot & fresh to your door",
      container="em:109", container_style=solid(RED), icon="md:pizza", icon_style=solid(c(0, 200, 80)), icon_scale=0.48,
      mark_size=140, name_style=solid(RED, outline(WHITE, 2, 0.9), shadow(c(0, 200, 50), 4, 1.0)),
      tag_style=solid(c(0, 160, 70)), name_size=64, tag_size=24),
    T("Food Bakery", "stacked", BLUSH, ELEGANT, "Sweet Crumb", "ARTISAN BAKERY",
      icon="fa:birthday-cake", icon_style=solid(c(230, 140, 150)), mark_size=90,
      name_style=solid(c(10, 120, 70)), tag_style=solid(c(230, 100, 120)), name_size=86, tag_size=20, tag_spacing=8),
    T("Food Organic", "side", WHITE_BG, FRIENDLY, "greenbowl", "organic salads & juices",
      container="em:215", container_style=grad(c(60, 200, 130), c(85, 190, 80), 90), icon="fa:leaf",
      icon_style=solid(WHITE), icon_scale=0.55,
      name_style=solid(c(85, 170, 60)), tag_style=solid(c(60, 120, 110)), name_size=76, tag_size=22),
    T("Food Brewery", "ribbon_badge", c(25, 60, 30), SLAB, "HOPWORKS", "CRAFT BREWERY",
      container="em:116", container_style=solid(c(32, 200, 120)), icon="fa:beer", icon_style=solid(c(32, 200, 150)),
      ribbon="em:286", ribbon_style=solid(c(5, 170, 90)), name_style=solid(c(35, 200, 220)), name_size=38,
      tag_style=solid(c(32, 200, 150)), tag_size=18, tag_spacing=6, mark_size=200, ribbon_at=0.12),
    T("Food Grill", "wordmark", INK_BG, ("Rampart One Regular", "Roboto Condensed Bold"), "SMOKEHOUSE", "BBQ  *  GRILL  *  BAR",
      ornament="fa:fire", ornament_style=grad(c(38, 240, 150), c(5, 240, 100), 90), ornament_h=70,
      name_style=grad(c(35, 240, 140), c(5, 230, 100), 90), tag_style=solid(c(30, 200, 180)), name_size=70,
      tag_size=20, tag_spacing=4),
    T("Food Juice", "stacked", c(55, 200, 215), ("Lemonada Bold", "Comfortaa Bold"), "Citrus Pop", "squeezed this morning",
      icon="fa:lemon-o", icon_style=solid(c(55, 220, 90)), mark_size=100,
      name_style=solid(c(20, 230, 120), shadow(c(55, 240, 70), 3, 0.8, strength=0)), tag_style=solid(c(70, 150, 70)),
      name_size=62, tag_size=22),

    # ---- Sport and fitness ----
    T("Sport Club", "ribbon_badge", WHITE_BG, SPORT, "RIVERSIDE FC", "EST. 1924",
      container="em:141", container_style=grad(c(0, 190, 100), c(0, 200, 60), 90), icon="fa:futbol-o",
      icon_style=solid(WHITE), ribbon="em:292", ribbon_style=solid(NAVY), name_style=solid(WHITE), name_size=36,
      tag_style=solid(NAVY), tag_size=20, tag_spacing=6, mark_size=200),
    T("Sport Gym", "side", INK_BG, ("League Spartan Black", "Roboto Condensed Bold"), "IRONCORE", "STRENGTH  ·  FITNESS",
      container="em:184", container_style=solid(c(35, 240, 120)), icon="md:dumbbell", icon_style=solid(WHITE),
      icon_scale=0.52,
      name_style=solid(WHITE), tag_style=solid(c(35, 240, 130)), name_size=70, tag_size=20, tag_spacing=3),
    T("Sport Runner", "wordmark", WHITE_BG, ("Open Sans ExtraBold", "Open Sans Regular"), "STRIDE", "run further",
      ornament="em:347", ornament_style=grad(c(140, 240, 110), c(100, 220, 110), 0), ornament_where="behind",
      ornament_w=380, ornament_h=140, ornament_keep=False, ornament_dy=-22,
      name_style=solid(c(160, 120, 40), shadow(WHITE, 0, 1.0, strength=2)), tag_style=solid(c(140, 150, 90)),
      name_size=96, tag_size=26, tag_spacing=4, name_aspect=1.0),
    T("Sport Cycling", "stacked", c(60, 160, 225), SPORT, "VELOCITY CYCLES", "RIDE  ·  REPAIR  ·  RACE",
      container="em:44", container_style=solid(c(160, 60, 40)), icon="fa:bicycle", icon_style=solid(c(0, 200, 110)),
      icon_scale=0.5, mark_size=130,
      name_style=solid(c(160, 60, 40)), tag_style=solid(c(0, 180, 100)), name_size=50, tag_size=18, tag_spacing=2),
    T("Sport Trophy", "laurel", NAVY, CLASSIC, "Champions League", "Regional Tournament 2026",
      wreath="em:334", wreath_style=grad(c(40, 220, 170), c(28, 200, 90), 90), icon="fa:trophy",
      icon_style=grad(c(40, 220, 170), c(28, 200, 90), 90), icon_dy=0.03, mark_size=170,
      name_style=solid(WHITE), tag_style=solid(c(35, 180, 170)), name_size=50, tag_size=22, tag_spacing=1),
    T("Sport Surf", "stacked", c(125, 200, 210), ("Kaushan Script Regular", "Quicksand Bold"), "Wave Riders", "SURF SCHOOL",
      icon="em:354", icon_style=grad(c(125, 220, 110), c(150, 220, 80), 90), mark_size=90,
      name_style=solid(c(150, 220, 70)), tag_style=solid(c(20, 220, 130)), name_size=72, tag_size=22, tag_spacing=8),

    # ---- Health and care ----
    T("Health Clinic", "side", WHITE_BG, FRIENDLY, "CarePoint", "family medical clinic",
      container="em:229", container_style=solid(c(120, 170, 120)), icon="fa:plus", icon_style=solid(WHITE),
      icon_scale=0.45, name_style=solid(c(140, 140, 70)), tag_style=solid(c(120, 100, 100)), name_size=72, tag_size=22),
    T("Health Dental", "stacked", c(120, 100, 232), ROUND, "brightsmile", "DENTAL STUDIO",
      container="em:216", container_style=solid(c(120, 170, 110)), icon="md:tooth", icon_style=solid(c(120, 170, 110)),
      icon_scale=0.55, mark_size=120, name_style=solid(c(140, 150, 60)), tag_style=solid(c(120, 140, 100)),
      name_size=60, tag_size=18, tag_spacing=6),
    T("Health Yoga", "stacked", c(210, 60, 232), ("Comfortaa Light", "Quicksand Regular"), "lotus flow", "yoga  ·  breath  ·  balance",
      icon="em:94", icon_style=grad(c(200, 120, 170), c(10, 170, 150), 90), mark_size=120,
      name_style=solid(c(200, 80, 90)), tag_style=solid(c(200, 60, 130)), name_size=66, tag_size=20),
    T("Health Heart", "side", WHITE_BG, MODERN, "PulseCare", "Cardiology Center",
      icon="fa:heartbeat", icon_style=grad(c(0, 220, 130), c(230, 200, 90), 90),
      name_style=solid(c(0, 0, 50)), tag_style=solid(c(0, 170, 110)), name_size=70, tag_size=24),
    T("Health Pharmacy", "framed", WHITE_BG, ("Open Sans ExtraBold", "Open Sans Regular"), "GREENCROSS", "PHARMACY & WELLNESS",
      container="em:165", container_style=solid(c(85, 180, 80)), icon="fa:medkit", icon_style=solid(c(85, 180, 80)),
      name_style=solid(c(85, 180, 70)), tag_style=solid(c(85, 100, 90)), name_size=52, tag_size=16, tag_spacing=2),
    T("Health Spa", "laurel", c(110, 60, 225), ELEGANT, "Serenity", "DAY SPA & RETREAT",
      wreath="em:328", wreath_style=solid(c(110, 90, 120)), icon="fa:leaf", icon_style=solid(c(110, 90, 130)),
      mark_size=140, name_style=solid(c(110, 80, 70)), tag_style=solid(c(110, 70, 110)), name_size=80, tag_size=18,
      tag_spacing=6),

    # ---- Finance and business ----
    T("Finance Capital", "side", WHITE_BG, CLASSIC, "Sterling Capital", "Wealth Management",
      container="em:124", container_style=solid(NAVY), icon="fa:university", icon_style=solid(c(35, 170, 160)),
      icon_scale=0.5, name_style=solid(NAVY), tag_style=solid(c(35, 130, 110)), name_size=62, tag_size=26),
    T("Finance Growth", "stacked", WHITE_BG, GEOMETRIC, "UPTREND", "INVEST WITH CONFIDENCE",
      icon="fa:line-chart", icon_style=grad(c(85, 200, 120), c(120, 200, 80), 0), mark_size=110,
      name_style=solid(c(150, 100, 45)), tag_style=solid(c(85, 150, 90)), name_size=72, tag_size=18, tag_spacing=4),
    T("Finance Bank", "framed", c(155, 130, 40), SERIF, "NORTHGATE", "SAVINGS & TRUST",
      container="em:157", container_style=grad(c(38, 200, 170), c(28, 190, 100), 90),
      icon="fa:university", icon_style=grad(c(38, 200, 170), c(28, 190, 100), 90), icon_size=70,
      name_style=solid(WHITE), tag_style=solid(c(35, 170, 170)), name_size=58, tag_size=18, tag_spacing=4),
    T("Business Consulting", "side", c(0, 0, 236), ("Manrope ExtraBold", "Manrope Light"), "Meridian", "strategy & consulting",
      container="em:202", container_style=grad(c(25, 220, 130), c(5, 200, 110), 45), initial="M",
      initial_font="Manrope ExtraBold", icon_style=solid(WHITE), icon_scale=0.42,
      name_style=solid(c(160, 40, 40)), tag_style=solid(c(160, 20, 110)), name_size=72, tag_size=24),
    T("Business Legal", "stacked", PAPER, CLASSIC, "Harlow & Pike", "ATTORNEYS AT LAW",
      icon="fa:balance-scale", icon_style=solid(c(20, 60, 60)), mark_size=90,
      name_style=solid(c(20, 60, 45)), tag_style=solid(c(28, 150, 110)), name_size=66, tag_size=18, tag_spacing=8),
    T("Business Crypto", "stacked", NIGHT, TECH, "BLOCKVAULT", "SECURE DIGITAL ASSETS",
      container="em:190", container_style=grad(c(35, 240, 150), c(20, 240, 110), 90), icon="md:currency-btc",
      icon_style=solid(c(160, 80, 28)), icon_scale=0.5, mark_size=120,
      name_style=solid(WHITE), tag_style=solid(c(30, 200, 150)), name_size=56, tag_size=16, tag_spacing=5),

    # ---- Education ----
    T("Education Academy", "ribbon_badge", WHITE_BG, SERIF, "OAKRIDGE ACADEMY", "KNOWLEDGE  ·  CHARACTER",
      container="em:117", container_style=solid(c(160, 150, 55)), icon="fa:graduation-cap",
      icon_style=solid(c(36, 200, 150)), ribbon="em:294", ribbon_style=solid(c(36, 200, 120)),
      name_style=solid(c(160, 150, 40)), name_size=30, tag_style=solid(c(160, 150, 55)), tag_size=18, tag_spacing=2,
      name_dy=-0.12),
    T("Education Kids", "stacked", c(40, 200, 225), ("Cherry Bomb Regular", "Comic Neue Bold"), "Little Owls", "preschool & daycare",
      icon="md:owl", icon_style=solid(c(20, 180, 110)), mark_size=110,
      name_style=solid(c(140, 200, 120), outline(WHITE, 2, 0.9), shadow(c(160, 200, 60), 4, 0.8, strength=1)),
      tag_style=solid(c(20, 160, 90)), name_size=72, tag_size=24),
    T("Education Books", "side", WHITE_BG, ("Rasa Bold", "Rasa Regular"), "Open Pages", "Bookshop & Reading Room",
      icon="md:book-open-page-variant", icon_style=solid(c(0, 150, 90)),
      name_style=solid(c(0, 0, 40)), tag_style=solid(c(0, 120, 100)), name_size=72, tag_size=26),
    T("Education Science", "laurel", WHITE_BG, MODERN, "LabSpark", "SCIENCE FOR CURIOUS MINDS",
      wreath="em:273", wreath_style=solid(c(175, 170, 110)), icon="fa:flask", icon_style=grad(c(110, 220, 140), c(175, 200, 100), 90),
      mark_size=140, name_style=solid(c(175, 140, 60)), tag_style=solid(c(110, 150, 100)), name_size=64, tag_size=16,
      tag_spacing=3),

    # ---- Nature and outdoors ----
    T("Nature Forest", "stacked", FOREST_BG, ("Cabin Sketch Bold", "Cabin Regular"), "PINE RIDGE", "OUTDOOR ADVENTURES",
      container="em:196", container_style=solid(c(35, 150, 200)), icon="fa:tree", icon_style=solid(c(35, 150, 200)),
      icon_scale=0.45, mark_size=130, name_style=solid(c(35, 150, 210)), tag_style=solid(c(70, 120, 140)),
      name_size=64, tag_size=18, tag_spacing=5),
    T("Nature Garden", "laurel", c(70, 80, 230), ("Dancing Script Bold", "Quicksand Bold"), "Wildflower", "GARDEN CENTRE",
      wreath="em:322", wreath_style=solid(c(75, 140, 80)), icon="md:flower", icon_style=solid(c(220, 170, 150)),
      mark_size=150, name_style=solid(c(80, 130, 60)), tag_style=solid(c(220, 140, 130)), name_size=74, tag_size=18,
      tag_spacing=5),
    T("Nature Pets", "side", c(30, 180, 225), FRIENDLY, "happy paws", "pet care & grooming",
      container="em:63", container_style=solid(c(15, 200, 130)), icon="fa:paw", icon_style=solid(c(15, 200, 130)), icon_scale=0.42,
      name_style=solid(c(15, 170, 80)), tag_style=solid(c(15, 120, 100)), name_size=72, tag_size=22),
    T("Nature Solar", "stacked", WHITE_BG, GEOMETRIC, "SUNHARVEST", "CLEAN SOLAR ENERGY",
      icon="em:99", icon_style=grad(c(40, 240, 140), c(18, 240, 120), 90), mark_size=150,
      name_style=solid(c(150, 140, 50)), tag_style=solid(c(20, 200, 120)), name_size=64, tag_size=18, tag_spacing=4),
    T("Nature Ocean", "stacked", c(130, 200, 60), ("Comfortaa Bold", "Lato Regular"), "bluewater", "marine conservation",
      icon="fa:anchor", icon_style=solid(WHITE), container="em:38", container_style=solid(c(120, 200, 160)),
      icon_scale=0.45, mark_size=130, name_style=solid(WHITE), tag_style=solid(c(120, 180, 170)), name_size=64,
      tag_size=22, tag_spacing=2),

    # ---- Fashion and beauty ----
    T("Fashion Boutique", "wordmark", WHITE_BG, ("GFS Didot Bold", "Lato Regular"), "MAISON LUNE", "PARIS  ·  BOUTIQUE",
      ornament="em:278", ornament_style=solid(c(35, 120, 130)), ornament_h=110, ornament_w=110,
      name_style=solid(BLACK), tag_style=solid(c(35, 100, 120)), name_size=70, name_spacing=6, tag_size=24,
      tag_spacing=6),
    T("Fashion Jewel", "stacked", INK_BG, ELEGANT, "Aurelia", "FINE JEWELLERY",
      icon="fa:diamond", icon_style=grad(c(35, 200, 190), c(28, 190, 100), 90), mark_size=90,
      name_style=grad(c(38, 200, 180), c(28, 190, 100), 90), tag_style=solid(c(35, 150, 170)), name_size=92,
      tag_size=18, tag_spacing=8),
    T("Fashion Salon", "side", BLUSH, ("Lobster Two Bold Italic", "Quicksand Regular"), "Glam Studio", "hair  ·  nails  ·  beauty",
      container="em:72", container_style=solid(c(225, 160, 130)), icon="fa:scissors", icon_style=solid(WHITE),
      icon_scale=0.5, name_style=solid(c(225, 140, 90)), tag_style=solid(c(225, 80, 100)), name_size=70, tag_size=22),
    T("Fashion Streetwear", "framed", c(55, 240, 130), ("Bebas Neue Bold", "Roboto Condensed Bold"), "NO SLEEP", "STREETWEAR CO.",
      container="em:212", container_style=solid(BLACK), name_style=solid(c(55, 240, 130)), tag_style=solid(WHITE),
      name_size=96, tag_size=20, tag_spacing=8, pad_x=1.3, pad_y=1.55),

    # ---- Music and entertainment ----
    T("Music Records", "stacked", INK_BG, ("Train One Regular", "Roboto Condensed Bold"), "VINYL VAULT", "RECORDS  ·  EST. 1979",
      icon="em:281", icon_style=grad(c(200, 240, 140), c(150, 240, 110), 45), mark_size=120,
      name_style=solid(WHITE), tag_style=solid(c(200, 200, 170)), name_size=52, tag_size=18, tag_spacing=4),
    T("Music Band", "wordmark", c(160, 40, 20), ("Fette Classic UNZ Fraktur Regular", "Roboto Condensed Bold"), "Black Ravens", "LIVE ON TOUR",
      ornament="em:262", ornament_style=solid(c(0, 200, 100)), ornament_h=50, gap=22,
      ornament_w=200, name_style=solid(c(0, 0, 235)), tag_style=solid(c(0, 0, 235)), name_size=82, tag_size=18,
      tag_spacing=8),
    T("Music Studio", "side", WHITE_BG, ("Sora ExtraBold", "Sora Regular"), "SOUNDFORGE", "RECORDING STUDIO",
      container="em:212", container_style=grad(c(215, 220, 120), c(180, 200, 80), 45), icon="fa:microphone",
      icon_style=solid(WHITE), icon_scale=0.55,
      name_style=solid(c(190, 150, 45)), tag_style=solid(c(215, 150, 110)), name_size=62, tag_size=18, tag_spacing=4),
    T("Music Festival", "wordmark", c(200, 200, 60), ("Reggae One Regular", "Quicksand Bold"), "SUNBEAT", "MUSIC FESTIVAL 2026",
      ornament="em:100", ornament_style=grad(c(40, 240, 150), c(10, 240, 130), 90), ornament_h=90,
      name_style=grad(c(40, 240, 150), c(225, 220, 140), 90, outline(c(200, 200, 30), 2, 0.9)),
      tag_style=solid(c(40, 240, 190)), name_size=80, tag_size=22, tag_spacing=5),
    T("Entertainment Cinema", "ribbon_badge", NIGHT, ("Bebas Neue Bold", "Lato Bold"), "STARLIGHT", "CINEMA & DRIVE-IN",
      container="em:49", container_style=grad(c(38, 240, 170), c(25, 240, 100), 90), icon="fa:film",
      icon_style=solid(c(38, 230, 170)), ribbon="em:289", ribbon_style=solid(c(0, 210, 100)), name_style=solid(WHITE),
      name_size=44, name_spacing=2, tag_style=solid(c(38, 220, 170)), tag_size=18, tag_spacing=4, mark_size=200),
    T("Entertainment Games", "stacked", c(180, 120, 30), ("Rampart One Regular", "Play Bold"), "PIXEL ARENA", "GAMING LOUNGE",
      icon="fa:gamepad", icon_style=grad(c(80, 240, 150), c(130, 240, 120), 0, glow(c(100, 240, 120), 4, 0.8)),
      mark_size=110, name_style=grad(c(80, 240, 160), c(130, 240, 130), 0), tag_style=solid(c(200, 200, 180)),
      name_size=60, tag_size=20, tag_spacing=6),

    # ---- Travel and hospitality ----
    T("Travel Agency", "stacked", WHITE_BG, ("Kaushan Script Regular", "Lato Bold"), "Wanderlust", "TRAVEL AGENCY",
      container="em:215", container_style=grad(c(130, 200, 140), c(150, 200, 90), 90), icon="fa:plane",
      icon_style=solid(WHITE), icon_scale=0.52, mark_size=110,
      name_style=solid(c(150, 180, 70)), tag_style=solid(c(20, 220, 130)), name_size=76, tag_size=18, tag_spacing=8),
    T("Travel Hotel", "laurel", c(160, 90, 36), CLASSIC, "The Grand Azure", "HOTEL & RESORT",
      wreath="em:336", wreath_style=grad(c(38, 200, 180), c(28, 190, 100), 90), initial="A",
      initial_font="GFS Didot Bold", icon_style=grad(c(38, 200, 180), c(28, 190, 100), 90), mark_size=160,
      name_style=solid(c(35, 120, 220)), tag_style=solid(c(35, 170, 160)), name_size=56, tag_size=18, tag_spacing=6),
    T("Travel Camping", "ribbon_badge", c(35, 100, 220), ("Cabin Sketch Bold", "Cabin Bold"), "BASECAMP", "ADVENTURE CO.",
      container="em:36", container_style=solid(c(90, 120, 50)), icon="md:tent", icon_style=solid(c(90, 120, 50)),
      ribbon="em:288", ribbon_style=solid(c(15, 180, 100)), name_style=solid(c(35, 100, 230)), name_size=40,
      tag_style=solid(c(90, 120, 50)), tag_size=18, tag_spacing=5, mark_size=190),
    T("Travel Beach", "stacked", c(35, 150, 220), ("Lobster Two Bold", "Quicksand Bold"), "Palm Cove", "beach house rentals",
      icon="md:beach", icon_style=grad(c(120, 200, 120), c(150, 200, 90), 90), mark_size=110,
      name_style=solid(c(15, 200, 120)), tag_style=solid(c(130, 150, 90)), name_size=76, tag_size=22),

    # ---- Real estate and building ----
    T("Realty Homes", "side", WHITE_BG, GEOMETRIC, "KEYSTONE", "REAL ESTATE GROUP",
      icon="fa:home", icon_style=grad(c(125, 180, 110), c(150, 180, 60), 90),
      name_style=solid(c(150, 120, 40)), tag_style=solid(c(125, 140, 100)), name_size=66, tag_size=18, tag_spacing=4),
    T("Realty Urban", "framed", c(0, 0, 232), MODERN, "SKYLINE", "PROPERTIES",
      container="em:156", container_style=solid(c(160, 40, 40)), icon="fa:building", icon_style=solid(c(160, 40, 40)),
      icon_size=70, name_style=solid(c(160, 40, 40)), name_spacing=8, tag_style=solid(c(20, 200, 120)), name_size=60,
      tag_size=20, tag_spacing=10),
    T("Building Works", "ribbon_badge", WHITE_BG, SPORT, "SOLID BUILD", "CONSTRUCTION",
      container="em:184", container_style=solid(c(38, 240, 120)), icon="fa:wrench", icon_style=solid(c(160, 30, 35)),
      ribbon="em:291", ribbon_style=solid(c(160, 30, 35)), name_style=solid(c(38, 240, 130)), name_size=36,
      tag_style=solid(c(160, 30, 35)), tag_size=20, tag_spacing=8, mark_size=190),

    # ---- Studio, creative and services ----
    T("Studio Photo", "side", WHITE_BG, ("Inter Thin", "Inter Regular"), "LENS & LIGHT", "PHOTOGRAPHY",
      icon="fa:camera-retro", icon_style=solid(c(0, 0, 30)), name_font="Inter Bold",
      name_style=solid(c(0, 0, 30)), tag_style=solid(c(0, 0, 120)), name_size=54, tag_size=18, tag_spacing=10),
    T("Studio Design", "stacked", c(200, 60, 230), ROUND, "colorbox", "creative design studio",
      icon="md:palette", icon_style=grad(c(220, 220, 150), c(130, 220, 120), 0), mark_size=110,
      name_style=grad(c(220, 200, 120), c(140, 200, 100), 0), tag_style=solid(c(200, 40, 110)), name_size=70,
      tag_size=22),
    T("Studio Art", "wordmark", PAPER, ("Dancing Script Bold", "EB Garamond SC 12 Regular"), "Atelier Rose", "FINE ART GALLERY",
      ornament="em:358", ornament_style=solid(c(230, 150, 170)), ornament_where="behind", ornament_w=300,
      ornament_h=170, name_style=solid(c(230, 120, 60)), tag_style=solid(c(230, 60, 90)), name_size=84,
      tag_size=18, tag_spacing=6, ornament_keep=False),
    T("Studio Tattoo", "ribbon_badge", INK_BG, ("Blankenburg Regular", "Roboto Condensed Bold"), "Iron Rose", "TATTOO PARLOUR",
      container="em:118", container_style=solid(c(0, 0, 225)), ribbon="em:298", ribbon_style=solid(c(0, 200, 95)),
      icon="fa:star", icon_style=solid(c(0, 200, 95)), icon_scale=0.26, name_style=solid(WHITE), name_size=44,
      tag_style=solid(c(0, 0, 200)), tag_size=18, tag_spacing=6, mark_size=200, ribbon_at=0.18),
    T("Services Cleaning", "side", c(120, 80, 232), FRIENDLY, "sparkle & shine", "home cleaning services",
      icon="sb:19", icon_style=grad(c(120, 200, 160), c(150, 200, 110), 90),
      name_style=solid(c(150, 170, 70)), tag_style=solid(c(120, 120, 100)), name_size=62, tag_size=22),
    T("Services Auto", "framed", INK_BG, ("Bebas Neue Bold", "Roboto Condensed Bold"), "TURBO GARAGE", "AUTO REPAIR  ·  TUNING",
      container="em:176", container_style=grad(c(0, 230, 110), c(0, 220, 60), 90), icon="fa:car",
      icon_style=solid(c(0, 0, 230)), icon_size=64, name_style=solid(WHITE, shadow(BLACK, 3, 0.6, strength=1)),
      tag_style=solid(c(0, 0, 230)), name_size=72, tag_size=18, tag_spacing=3),
    T("Services Delivery", "side", WHITE_BG, ("Roboto Black", "Roboto Regular"), "SWIFTBOX", "SAME-DAY DELIVERY",
      icon="fa:truck", icon_style=grad(c(20, 240, 130), c(5, 230, 110), 0),
      name_style=solid(c(160, 40, 40)), tag_style=solid(c(20, 220, 120)), name_size=70, tag_size=18, tag_spacing=4),
]


def shape_ref(name, metrics):
    kind, _, rest = name.partition(":")
    face = FACES[kind]
    if rest.isdigit():
        return face, int(rest)
    return face, metrics.glyph_names(face).index(rest)


def _resolve(spec, metrics):
    out = dict(spec)
    for key in ("icon", "container", "ribbon", "wreath", "ornament"):
        if key in out:
            out[key] = shape_ref(out[key], metrics)
    return out


def build(metrics, shapes):
    """(title, background, objects) of every template."""
    kit = Kit(metrics, shapes)
    built = []
    for spec in TEMPLATES:
        t = _resolve(spec, metrics)
        built.append((t["title"], t["bg"], LAYOUTS[t["layout"]](kit, t)))
    return built
