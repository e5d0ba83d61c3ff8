"""Tidy face names: the family and style a face shows in the text bar."""

FAMILY_IDS = (1, 16)  # family, typographic family
STYLE_IDS = (2, 17)   # subfamily, typographic subfamily
FULL_NAME_ID = 4


def rename(font, family, style):
    """Gives the face `family` and `style` in every name record that carries
    them, so that FreeType and every other reader agree on the new name."""
    name = font["name"]
    for record in list(name.names):
        if record.nameID in FAMILY_IDS:
            name.setName(family, record.nameID, record.platformID, record.platEncID,
                         record.langID)
        elif record.nameID in STYLE_IDS:
            name.setName(style, record.nameID, record.platformID, record.platEncID,
                         record.langID)
        elif record.nameID == FULL_NAME_ID:
            name.setName(f"{family} {style}", record.nameID, record.platformID,
                         record.platEncID, record.langID)
