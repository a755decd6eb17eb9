#!/usr/bin/python3
# Makes the cutting fixtures: one text line each, drawn without anti-aliasing by FreeType (PIL)
# in fonts of fonts-dejavu and fonts-liberation2 at the size of DVD subtitles (cap height about
# 19 px): white fill with a 2-pixel outline (the fill dilated by a 5x5 square) in the program's
# default display colours (background black, outline 0x686868). Stored as 8-bit BMPs; the
# outputs are committed, CI does not run this. The text of each line is in seg.txt.
import os
from PIL import Image, ImageDraw, ImageFilter, ImageFont

FONTS = "/usr/share/fonts/truetype/"
LINES = [
    ("seg_oblique", "dejavu/DejaVuSans-Oblique.ttf", 26, "And so, in a month, we came home."),
    ("seg_italic", "liberation2/LiberationSans-Italic.ttf", 26,
     "Nobody knows where the river goes."),
    ("seg_narrow", "dejavu/DejaVuSansCondensed.ttf", 26, "Nobody should tune a slider per disc."),
    ("seg_wide", "dejavu/DejaVuSansMono.ttf", 32, "Nobody will tune it."),
]
here = os.path.dirname(os.path.abspath(__file__))
with open(os.path.join(here, "seg.txt"), "w") as listing:
    for name, font, size, text in LINES:
        f = ImageFont.truetype(FONTS + font, size)
        left, top, right, bottom = f.getbbox(text)
        w, h = right - left + 12, bottom - top + 12
        fill = Image.new("L", (w, h), 0)
        d = ImageDraw.Draw(fill)
        d.fontmode = "1"
        d.text((6 - left, 6 - top), text, font=f, fill=255)
        fill = fill.point(lambda v: 255 if v >= 128 else 0)
        ink = fill.filter(ImageFilter.MaxFilter(5))
        out = Image.new("P", (w, h), 0)
        out.putpalette([0, 0, 0, 0xC8, 0xC8, 0xC8, 0x68, 0x68, 0x68, 255, 255, 255])
        px, fp, ip = out.load(), fill.load(), ink.load()
        for y in range(h):
            for x in range(w):
                px[x, y] = 3 if fp[x, y] else 2 if ip[x, y] else 0
        out.save(os.path.join(here, name + ".bmp"))
        listing.write(name + "\t" + text + "\n")
