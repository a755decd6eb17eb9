#!/usr/bin/env python3
"""Builds the seed corpus of every fuzz target from the project's real test data.

usage: make_seeds.py SOURCE_DIR OUT_DIR   (OUT_DIR/<target>/ is emptied and filled)
"""
import glob
import os
import shutil
import struct
import sys

src, out = sys.argv[1], sys.argv[2]


def put(target, name, data):
    d = os.path.join(out, target)
    os.makedirs(d, exist_ok=True)
    with open(os.path.join(d, name), "wb") as f:
        f.write(data)


def files(*patterns):
    found = []
    for p in patterns:
        found += sorted(glob.glob(os.path.join(src, p), recursive=True))
    return found


for t in ("vob", "ifo", "bmp", "ini", "dictionary", "template", "records", "language", "idx", "image",
          "matroska", "pgs"):
    shutil.rmtree(os.path.join(out, t), ignore_errors=True)

# vob: windows of 16 packs starting at subpicture packets (reader), and whole units (decoder).
# Packets are found by start codes, as the reader finds them: in the remux copy some lie behind a
# system header.
vobs = files("tests/data/vob/remux/*.vob", "tests/data/vob/*/VIDEO_TS/*.VOB", "demo/VIDEO_TS/*.VOB")
SEEDS = 56


def private_stream_1(pack):
    """Yields (pes header flags byte, header data length, body) of every private stream 1
    packet of an MPEG-2 pack."""
    pos = 14 + (pack[13] & 7)
    while pos + 6 <= len(pack) and pack[pos:pos + 3] == b"\x00\x00\x01" and pack[pos + 3] >= 0xBB:
        length = struct.unpack(">H", pack[pos + 4:pos + 6])[0]
        body = pack[pos + 6:pos + 6 + length]
        if pack[pos + 3] == 0xBD and len(body) > 3 and len(body) > 3 + body[2]:
            yield body[1], body[2], body
        pos += 6 + length


count = 0
for path in vobs:
    data = open(path, "rb").read()
    units = {}
    for at in range(0, len(data) - 2048 + 1, 2048):
        for flags, header_len, body in private_stream_1(data[at:at + 2048]):
            sub = body[3 + header_len]
            if not 0x20 <= sub <= 0x3F:
                continue
            has_pts = (flags & 0x80) != 0
            payload = body[4 + header_len:]
            if has_pts:
                units[sub] = bytearray(payload)
            elif sub in units:
                units[sub] += payload
            unit = units.get(sub)
            if unit is not None and len(unit) >= 2 and len(unit) >= struct.unpack(">H", unit[:2])[0]:
                if count < SEEDS:
                    put("vob", "unit_%02d" % count, bytes([0x80 | (sub - 0x20), 0, 0, 0]) + bytes(unit))
                units.pop(sub)
            if has_pts and count < SEEDS:
                start = max(0, at - 2 * 2048)
                put("vob", "packs_%02d" % count,
                    bytes([sub - 0x20, count % 2, (at - start) & 0xFF, ((at - start) >> 8) & 0xFF]) +
                    data[start:start + 16 * 2048])
                count += 1

for path in files("tests/data/**/*.IFO", "tests/data/**/*.BUP", "tests/data/ifo/malformed/*"):
    put("ifo", os.path.relpath(path, src).replace("/", "_"), open(path, "rb").read())

for path in files("tests/data/bmp/*.bmp", "tests/data/bmp/malformed/*.bmp", "tests/data/ocr/*.bmp"):
    put("bmp", os.path.relpath(path, src).replace("/", "_"), open(path, "rb").read())

inis = files("outputini/*.ini", "languages/*.ini")
for i, path in enumerate(inis):
    body = open(path, "rb").read()
    put("ini", "ini_%02d" % i, bytes([6, 1, 5]) + b"header0value" + body)
    put("ini", "crlf_%02d" % i, bytes([4, 4, 3]) + b"bodyname123" + body.replace(b"\n", b"\r\n"))

glyph = open(os.path.join(src, "tests/data/bmp/ffmpeg_monob.bmp"), "rb").read()
for i, index in enumerate([
        b"%Rchar_0.bmp\r\na\r\n",
        b"%Rchar_0.bmp\r\na\r\n%Rdir\r\nb\r\n%Rmissing.bmp\r\nc\r\n%Rchar_0.bmp",
        b"%Rchar_0.bmp\nx\n%Rchar_0.bmp\ny\n"]):
    put("dictionary", "dict_%d" % i, struct.pack("<H", len(index)) + index + glyph)

record = b"<SUB_START>\n01:02:03\n4\n<char_0.bmp><char_1.bmp><<x\n<k1.bmp>\n<SUB_END>"
dictionary = b"char_0.bmp\nA\nchar_1.bmp\nb\nk1.bmp\n<HH>"
for i, path in enumerate(files("outputini/*.ini")):
    lines = open(path, "rb").read().split(b"\n")
    body = [l.split(b"=", 1)[1].strip(b'"') for l in lines if b"=" in l and l[:1].isdigit()]
    put("template", "fmt_%02d" % i, b"\n".join(body) + b"\0" + record + b"\0" + dictionary +
        b"\0" + record.replace(b"01:02:03", b"99:59:58"))
put("template", "math", b"<MATH_START><HH><MATH_DIV><CC><MATH_RESULT>\n<INIT>\0" + record +
    b"\0\0<SUB_START>\n00:00:00\n0\n<SUB_END>")

script = (b"<SUB_START>\n00:00:00\n0\nQuelm  v1.01 (beta)  -  by Vennor\n<SUB_END>\n"
          b"<SUB_START>\n00:00:05\n1\n<a.bmp>b\n<SUB_END>\n"
          b"<SUB_START>\n01:10:59\n2\nline\n<a.bmp><<\n<SUB_END>\n")
put("records", "script", script)
put("records", "crlf", script.replace(b"\n", b"\r\n"))
put("records", "cut", script[:70])

for path in files("languages/*.ini"):
    put("language", os.path.basename(path), open(path, "rb").read())
put("language", "tiny", b"[ini_info]\nname=Tiny\n[Translations]\nMain.Caption=x\n"
    b"Main.Language.Separator=;\nMain.ComboBox1.Items=a;b;;c;\n")

# idx: the VobSub index mkvextract wrote, a full header and the damaged lines the tests name.
for path in files("tests/data/vobsub/*.idx", "tests/data/vobsub/malformed/*"):
    put("idx", os.path.basename(path), open(path, "rb").read())
put("idx", "header", b"size: 720x576\npalette: 000000, ffffff, 808080, 1a2b3c, 000000, 000000, "
    b"000000, 000000, 000000, 000000, 000000, 000000, 000000, 000000, 000000, 0000ff\n"
    b"custom colors: ON, tridx: 1000, colors: 000000, 444444, 888888, cccccc\n"
    b"delay: 00:00:00:250\nid: en, index: 0\ntimestamp: 00:00:01:000, filepos: 000000000\n"
    b"id: de, index: 3\ndelay: -00:00:01:500\ntimestamp: 00:00:02:000, filepos: 000000800\n")
# image: the disc images' sectors that are not zero, each behind its number (ImageFuzzer.cpp),
# with only the first packs of the VOB data: the file system and the IFOs are what matters.
for path in files("tests/data/iso/*.iso"):
    data = open(path, "rb").read()
    sectors = (len(data) + 2047) // 2048
    seed, packs = [struct.pack(">H", sectors)], 0
    for n in range(sectors):
        sector = data[n * 2048:(n + 1) * 2048]
        if not any(sector):
            continue
        if sector[:4] == b"\x00\x00\x01\xba":
            packs += 1
            if packs > 16:
                continue
        seed.append(struct.pack(">H", n) + sector)
    put("image", os.path.basename(path), b"".join(seed))

# matroska: the Matroska copies of the multifile title (ffmpeg's, and mkvmerge's with zlib), and
# the PGS fixture as mkvmerge muxed it.
for path in files("tests/data/matroska/*.mks", "tests/data/pgs/*.mks", "tests/data/matroska/malformed/*"):
    put("matroska", os.path.basename(path), open(path, "rb").read())

# pgs: each subtitle of the .sup files (the display set that shows it and the one that clears
# it) as a .sup of its own, and the same as Matroska blocks carry it (segments without their "PG"
# headers). Whole files would make every run ten times slower.
for path in files("tests/data/pgs/*.sup", "tests/data/pgs/malformed/*.sup"):
    data = open(path, "rb").read()
    segments, at = [], 0
    while at + 13 <= len(data) and data[at:at + 2] == b"PG":
        end = at + 13 + struct.unpack(">H", data[at + 11:at + 13])[0]
        segments.append(data[at:end])
        at = end
    sets, current = [], []
    for segment in segments:
        if segment[10] == 0x16 and current:
            sets.append(current)
            current = []
        current.append(segment)
    if current:
        sets.append(current)
    name = os.path.splitext(os.path.basename(path))[0]
    for n in range(0, len(sets) - 1, 2):
        pair = sets[n] + sets[n + 1]
        put("pgs", "%s_%02d.sup" % (name, n // 2), b"\0" + b"".join(pair))
        put("pgs", "%s_%02d.blocks" % (name, n // 2), b"\x80" + b"".join(s[10:] for s in pair))
