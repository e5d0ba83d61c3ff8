"""Steps of the font data build that change or judge font files."""
