#!/usr/bin/python3
"""Draws the subtitles of one SRT file as commercial discs draw them, for spumux.

  subpictures.py SET SRT OUTDIR

writes OUTDIR/spumux.xml and one four-colour indexed PNG per subtitle. Glyphs are FreeType
anti-aliased (PIL ImageFont), each drawn on whole pixels so that a character has one bitmap per
style; the coverage is cut into fill and (on sets with an edge colour) anti-aliasing, and the
outline is the fill dilated by a 5x5 square. Lines are centred near the bottom, a few at the
top; <i>...</i> in the SRT is drawn with the font's own italic face.
"""
import re
import sys
from pathlib import Path

from PIL import Image, ImageChops, ImageDraw, ImageFilter, ImageFont

DEJAVU = "/usr/share/fonts/truetype/dejavu/"
LIBERATION = "/usr/share/fonts/truetype/liberation2/"

WHITE = (235, 235, 235)
BLACK = (16, 16, 16)
GREY = (128, 128, 128)
YELLOW = (235, 220, 16)
GREEN = (40, 220, 40)

# size: the font size in pixels (cap height 17-20); pitch: distance between two baselines.
# fill: coverage (0-255) from which a pixel is fill. edge: coverage from which a pixel below
# `fill` takes the fourth colour (anti-aliasing); without it, the fourth colour is the second
# fill of two-colour subtitles (second: cue number -> colour of every line but the first).
# touch: pairs set so close that no blank column parts their fills. I and l are one bitmap in
# sans and liberation at these sizes and levels, and differ by a row in condensed and mono.
SETS = {
    "sans": dict(upright=DEJAVU + "DejaVuSans.ttf", italic=DEJAVU + "DejaVuSans-Oblique.ttf",
                 size=24, pitch=34, fill=104, edge=40, top=(9, 31),
                 touch=("rr", "ff", "rt", "rv", "ty"), second={}),
    "liberation": dict(upright=LIBERATION + "LiberationSans-Regular.ttf",
                       italic=LIBERATION + "LiberationSans-Italic.ttf",
                       size=24, pitch=32, fill=128, edge=None, top=(14,),
                       touch=("rr", "ff", "rt", "rv", "ty"),
                       second={6: YELLOW, 22: YELLOW, 36: YELLOW}),
    "condensed": dict(upright=DEJAVU + "DejaVuSansCondensed.ttf",
                      italic=DEJAVU + "DejaVuSansCondensed-Oblique.ttf",
                      size=28, pitch=38, fill=128, edge=None, top=(20,), touch=(),
                      second={6: GREEN, 13: GREEN, 24: GREEN, 34: GREEN}),
    "mono": dict(upright=DEJAVU + "DejaVuSansMono.ttf", italic=DEJAVU + "DejaVuSansMono-Oblique.ttf",
                 size=26, pitch=35, fill=176, edge=72, top=(12,), touch=(), second={}),
}

FRAME_W, FRAME_H = 720, 480
BOTTOM_BASELINE = 414
TOP_BASELINE = 84


def read_srt(path):
    cues = []
    for block in re.split(r"\n\s*\n", Path(path).read_text(encoding="utf-8").strip()):
        lines = block.splitlines()
        start, end = (t.strip() for t in lines[1].split("-->"))
        cues.append((int(lines[0]), start, end, lines[2:]))
    return cues


def spumux_time(srt_time):
    return srt_time.replace(",", ".")


class Face:
    def __init__(self, path, size):
        self.font = ImageFont.truetype(path, size)
        self.size = size
        self.glyphs = {}

    def glyph(self, ch):
        """(coverage image, x of the origin in it, advance)."""
        if ch not in self.glyphs:
            pad = self.size
            w = int(self.font.getlength(ch)) + 2 * pad
            img = Image.new("L", (w, 2 * self.size), 0)
            ImageDraw.Draw(img).text((pad, int(self.size * 1.4)), ch, font=self.font, fill=255,
                                     anchor="ls")
            self.glyphs[ch] = (img, pad, round(self.font.getlength(ch)))
        return self.glyphs[ch]

    def fill_columns(self, ch, level):
        """First and last column holding fill, relative to the origin."""
        img, pad, _ = self.glyph(ch)
        box = img.point(lambda v: 255 if v >= level else 0).getbbox()
        return (box[0] - pad, box[2] - 1 - pad) if box else None


def runs(line):
    """The line as (character, italic) pairs."""
    out, italic = [], False
    for part in re.split(r"(</?i>)", line):
        if part == "<i>":
            italic = True
        elif part == "</i>":
            italic = False
        else:
            out.extend((ch, italic) for ch in part)
    return out


def draw_line(chars, faces, touch, level):
    """Coverage of one line, its first origin two font sizes in from the left."""
    up = faces[False]
    width = sum(faces[it].glyph(ch)[2] for ch, it in chars) + 4 * up.size
    canvas = Image.new("L", (width, 2 * up.size), 0)
    x = 2 * up.size
    for i, (ch, it) in enumerate(chars):
        face = faces[it]
        img, pad, advance = face.glyph(ch)
        canvas.paste(ImageChops.lighter(canvas.crop((x - pad, 0, x - pad + img.width, img.height)),
                                        img), (x - pad, 0))
        if i + 1 < len(chars) and chars[i + 1][1] == it and ch + chars[i + 1][0] in touch:
            a = face.fill_columns(ch, level)
            b = face.fill_columns(chars[i + 1][0], level)
            advance = min(advance, a[1] - b[0] + 1)
        x += advance
    return canvas


def main():
    name, srt, outdir = sys.argv[1], sys.argv[2], Path(sys.argv[3])
    cfg = SETS[name]
    faces = {False: Face(cfg["upright"], cfg["size"]), True: Face(cfg["italic"], cfg["size"])}
    level = cfg["fill"]
    outdir.mkdir(parents=True, exist_ok=True)
    spus = []
    for number, start, end, lines in read_srt(srt):
        first = TOP_BASELINE if number in cfg["top"] else \
            BOTTOM_BASELINE - cfg["pitch"] * (len(lines) - 1)
        fill = Image.new("L", (FRAME_W, FRAME_H), 0)
        edge = Image.new("L", (FRAME_W, FRAME_H), 0)
        second = Image.new("L", (FRAME_W, FRAME_H), 0)
        for n, line in enumerate(lines):
            cover = draw_line(runs(line), faces, cfg["touch"], level)
            box = cover.getbbox()
            x = (FRAME_W - (box[2] - box[0])) // 2 - box[0]
            y = first + cfg["pitch"] * n - int(cfg["size"] * 1.4)
            frame = Image.new("L", (FRAME_W, FRAME_H), 0)
            frame.paste(cover, (x, y))
            line_fill = frame.point(lambda v: 255 if v >= level else 0)
            fill = ImageChops.lighter(fill, line_fill)
            if n > 0 and number in cfg["second"]:
                second = ImageChops.lighter(second, line_fill)
            if cfg["edge"] is not None:
                edge = ImageChops.lighter(
                    edge, frame.point(lambda v: 255 if cfg["edge"] <= v < level else 0))
        grown = fill.filter(ImageFilter.MaxFilter(5))
        edge = ImageChops.multiply(ImageChops.subtract(edge, fill), grown)
        outline = ImageChops.subtract(ImageChops.subtract(grown, fill), edge)
        codes = Image.new("L", (FRAME_W, FRAME_H), 0)
        codes.paste(2, mask=outline)
        codes.paste(3, mask=edge)
        codes.paste(1, mask=fill)
        codes.paste(3, mask=second)
        box = codes.getbbox()
        # a margin of background makes it the first colour spumux meets (code 0); even offsets
        # and sizes keep both fields of the picture alike
        box = ((box[0] - 2) & ~1, (box[1] - 2) & ~1, (box[2] + 3) & ~1, (box[3] + 3) & ~1)
        picture = Image.frombytes("P", (box[2] - box[0], box[3] - box[1]),
                                  codes.crop(box).tobytes())
        fourth = cfg["second"].get(number, GREY)
        picture.putpalette([0, 0, 0, *WHITE, *BLACK, *fourth])
        png = outdir / f"s{number:03d}.png"
        picture.save(png, transparency=0, optimize=False)
        spus.append(f'    <spu start="{spumux_time(start)}" end="{spumux_time(end)}" '
                    f'image="{png}" xoffset="{box[0]}" yoffset="{box[1]}" />')
    (outdir / "spumux.xml").write_text(
        '<subpictures format="NTSC">\n  <stream>\n' + "\n".join(spus) +
        "\n  </stream>\n</subpictures>\n", encoding="utf-8")


if __name__ == "__main__":
    main()
