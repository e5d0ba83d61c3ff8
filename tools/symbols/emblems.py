"""Emblems Regular: what logo makers offer first. Circle badges, seals,
award rosettes and bursts; shields, frames, polygon emblems and monogram
plates; shields and badges with banners, wreathed badges, medals, crowns and
wings; banners, ribbons and pennants; laurel wreaths, swooshes and splashes.

Most are outlines around an open middle, or plates with an inset line, so that
a name fits inside. Each is drawn once: the data build refuses a shape that
repeats another.
"""

import emblem_compound
import emblem_organic
import emblem_plates
import emblem_ribbons
import emblem_round


def glyphs():
    return (emblem_round.glyphs() + emblem_plates.glyphs() + emblem_compound.glyphs() +
            emblem_ribbons.glyphs() + emblem_organic.glyphs())
