#!/usr/bin/python3
"""Makes tests/data/pgs/: the basic title's English subtitles (spuunmux's pictures and times of
stream 0x20) as a Blu-ray PGS stream, basic.sup, placed in a 1920x1080 frame and drawn with an
anti-aliased palette; basic.mks, the same stream copied into Matroska by ffmpeg; and ffmpeg's own
decoding of every subtitle, ffmpeg/subNN.png (the picture laid over the colour 0x203048, cut to
the object), which the tests compare with ours. Needs python3-pil and ffmpeg. Run from anywhere; the outputs
are committed and CI does not run this.

Each subtitle is a display set at its start (epoch start: composition, window, palette, object,
end) and one at its end (a composition of no object, window, end). Letter fill is near white with
a darker rim, the outline black and half transparent at its corners, and outline pixels against
the fill are grey edge shades; subtitle 3's object is split over several segments.
"""
import os
import re
import struct
import subprocess
import sys
import tempfile

from PIL import Image

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
SOURCE = os.path.join(ROOT, "tests/data/vob/basic/spuunmux/s0")
OUT = os.path.join(ROOT, "tests/data/pgs")
FRAME = (1920, 1080)
SHIFT = (600, 560)  # where the DVD's 720x480 frame lies in the Blu-ray frame
SPLIT_SUBTITLE, SPLIT_BYTES = 3, 700

# index: (Y, Cr, Cb, alpha)
PALETTE = {
    0: (16, 128, 128, 0),     # background
    1: (235, 136, 120, 255),  # fill, a warm white
    2: (220, 136, 120, 255),  # fill beside the outline
    3: (16, 128, 128, 255),   # outline
    4: (16, 128, 128, 200),   # outline beside one background pixel
    5: (16, 128, 128, 120),   # outline beside more background
    6: (80, 128, 128, 255),   # edge shade beside one fill pixel
    7: (140, 128, 128, 255),  # edge shade beside more fill
}


def seconds(text):
    h, m, s = text.split(":")
    return int(h) * 3600 + int(m) * 60 + float(s)


def subtitles():
    xml = open(os.path.join(SOURCE, "sub.xml")).read()
    for m in re.finditer(r'image="([^"]+)" start="([^"]+)" end="([^"]+)" '
                         r'xoffset="(\d+)" yoffset="(\d+)"', xml):
        yield m.group(1), seconds(m.group(2)), seconds(m.group(3)), int(m.group(4)), int(m.group(5))


def indices(png):
    """spuunmux's pixels: transparent is background, opaque black the letters, the rest outline."""
    image = Image.open(png).convert("RGBA")
    w, h = image.size
    p = image.load()
    kind = [["bg" if p[x, y][3] == 0 else "fill" if p[x, y][:3] == (0, 0, 0) else "outline"
             for x in range(w)] for y in range(h)]

    def around(x, y, what):
        return sum(1 for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1))
                   if (kind[y + dy][x + dx] if 0 <= x + dx < w and 0 <= y + dy < h else "bg") == what)

    rows = []
    for y in range(h):
        row = []
        for x in range(w):
            k = kind[y][x]
            if k == "bg":
                row.append(0)
            elif k == "fill":
                row.append(2 if around(x, y, "outline") else 1)
            elif around(x, y, "fill"):
                row.append(7 if around(x, y, "fill") > 1 else 6)
            else:
                row.append({0: 3, 1: 4}.get(around(x, y, "bg"), 5))
        rows.append(row)
    return w, h, rows


def runs(rows):
    out = bytearray()
    for row in rows:
        i = 0
        while i < len(row):
            c, n = row[i], 1
            while i + n < len(row) and row[i + n] == c and n < 16383:
                n += 1
            if c != 0 and n <= 2:
                out += bytes([c]) * n
            elif n < 64:
                out += bytes([0, n]) if c == 0 else bytes([0, 0x80 | n, c])
            else:
                out += (bytes([0, 0x40 | n >> 8, n & 0xFF]) if c == 0
                        else bytes([0, 0xC0 | n >> 8, n & 0xFF, c]))
            i += n
        out += b"\0\0"
    return bytes(out)


def segment(pts, kind, payload):
    return b"PG" + struct.pack(">IIBH", pts, 0, kind, len(payload)) + payload


def composition(number, state, objects):
    payload = struct.pack(">HHBHBBBB", FRAME[0], FRAME[1], 0x10, number, state, 0, 0, len(objects))
    for x, y in objects:
        payload += struct.pack(">HBBHH", 0, 0, 0, x, y)
    return payload


def window(x, y, w, h):
    return struct.pack(">BBHHHH", 1, 0, x, y, w, h)


def write_sup(path):
    out = bytearray()
    number = 0
    for n, (png, start, end, xoffset, yoffset) in enumerate(subtitles(), 1):
        w, h, rows = indices(os.path.join(SOURCE, png))
        x, y = xoffset + SHIFT[0], yoffset + SHIFT[1]
        # The DVD's stop delay counts steps of 1024 ticks, which sub.xml rounds to hundredths.
        pts = round(start * 90000)
        stop = pts + round((end - start) * 90000 / 1024) * 1024
        out += segment(pts, 0x16, composition(number, 0x80, [(x, y)]))
        out += segment(pts, 0x17, window(x, y, w, h))
        out += segment(pts, 0x14, bytes([0, 0]) + b"".join(
            bytes([i, *PALETTE[i]]) for i in sorted(PALETTE)))
        data = runs(rows)
        pieces = ([data[i:i + SPLIT_BYTES] for i in range(0, len(data), SPLIT_BYTES)]
                  if n == SPLIT_SUBTITLE else [data])
        for k, piece in enumerate(pieces):
            flags = (0x80 if k == 0 else 0) | (0x40 if k == len(pieces) - 1 else 0)
            head = struct.pack(">HBB", 0, 0, flags)
            if k == 0:
                head += struct.pack(">I", len(data) + 4)[1:] + struct.pack(">HH", w, h)
            out += segment(pts, 0x15, head + piece)
        out += segment(pts, 0x80, b"")
        out += segment(stop, 0x16, composition(number + 1, 0, []))
        out += segment(stop, 0x17, window(x, y, w, h))
        out += segment(stop, 0x80, b"")
        number += 2
    with open(path, "wb") as f:
        f.write(out)


def ffmpeg(*args):
    subprocess.run(["ffmpeg", "-hide_banner", "-loglevel", "error", "-y", *args], check=True)


def references(sup, folder):
    """ffmpeg's decoder: each subtitle laid over 0x203048 in the middle of its time, cut to it."""
    os.makedirs(folder, exist_ok=True)
    for n, (png, start, end, xoffset, yoffset) in enumerate(subtitles(), 1):
        w, h = Image.open(os.path.join(SOURCE, png)).size
        x, y = xoffset + SHIFT[0], yoffset + SHIFT[1]
        with tempfile.TemporaryDirectory() as work:
            frame = os.path.join(work, "frame.png")
            ffmpeg("-f", "lavfi", "-i", "color=0x203048:s=%dx%d:r=10:d=30,format=rgb24" % FRAME, "-i", sup,
                   "-filter_complex", "[0:v][1:s]overlay=format=rgb,format=rgb24",
                   "-ss", "%.2f" % ((start + end) / 2), "-frames:v", "1", frame)
            Image.open(frame).crop((x, y, x + w, y + h)).save(
                os.path.join(folder, "sub%02d.png" % n), optimize=True)


def main():
    os.makedirs(OUT, exist_ok=True)
    sup = os.path.join(OUT, "basic.sup")
    write_sup(sup)
    ffmpeg("-i", sup, "-copyts", "-map", "0", "-c", "copy", "-metadata:s:s:0", "language=eng", "-fflags", "+bitexact",
           "-f", "matroska", os.path.join(OUT, "basic.mks"))
    frames = subprocess.run(["ffprobe", "-v", "error", "-show_frames", "-of", "csv", sup],
                            check=True, capture_output=True, text=True).stdout
    count = sum(1 for line in frames.splitlines() if line.startswith("subtitle"))
    if count != 16:
        sys.exit("ffprobe read %d subtitle frames from %s, not 16" % (count, sup))
    references(sup, os.path.join(OUT, "ffmpeg"))


if __name__ == "__main__":
    main()
