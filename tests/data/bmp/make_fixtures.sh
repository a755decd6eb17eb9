#!/bin/sh
# Makes the BMP fixtures: pictures written by ffmpeg (an independent writer) with ffmpeg's own
# decoding of each as raw RGB, and the malformed/ set of files whose headers lie.
set -e
cd "$(dirname "$0")"
for fmt in bgr24 bgra pal8 monob; do
  ffmpeg -v error -y -f lavfi -i "testsrc=size=19x7:rate=1" -frames:v 1 -pix_fmt $fmt ffmpeg_$fmt.bmp
  ffmpeg -v error -y -i ffmpeg_$fmt.bmp -f rawvideo -pix_fmt rgb24 ffmpeg_$fmt.rgb
done
python3 - <<'PY'
import struct
def bmp(w=2, h=2, bits=24, comp=0, used=0, offset=None, planes=1, info=40, pal=b"", pixels=None, size=None):
    stride = ((w * bits + 31) // 32) * 4 if w > 0 else 4
    if pixels is None:
        pixels = b"\0" * (stride * abs(h))
    if offset is None:
        offset = 14 + info + len(pal)
    hdr = struct.pack("<IiiHHIIiiII", info, w, h, planes, bits, comp, len(pixels), 0, 0, used, 0)
    hdr += b"\0" * (info - 40)
    body = hdr + pal + pixels
    total = 14 + len(body) if size is None else size
    return b"BM" + struct.pack("<IHHI", total, 0, 0, offset) + body
files = {
    "empty.bmp": b"",
    "short_header.bmp": b"BM\x10\0\0\0\0\0\0\0\x36\0\0\0",
    "bad_magic.bmp": b"XY" + bmp()[2:],
    "zero_width.bmp": bmp(w=0),
    "huge_size.bmp": bmp(w=100000, h=100000, pixels=b"\0" * 16),
    "bad_depth.bmp": bmp(bits=7),
    "two_planes.bmp": bmp(planes=2),
    "rle8.bmp": bmp(bits=8, comp=1, pal=b"\0" * 1024),
    "palette_too_big.bmp": bmp(bits=4, used=300, pal=b"\0" * 64),
    "palette_truncated.bmp": bmp(bits=8, used=256, pal=b"\0" * 8, pixels=b""),
    "offset_past_end.bmp": bmp(offset=5000),
    "pixels_truncated.bmp": bmp(w=16, h=16, pixels=b"\0" * 40),
    "index_beyond_palette.bmp": bmp(bits=4, used=2, pal=b"\0\0\0\0\xff\xff\xff\0", pixels=b"\x50\0\0\0\0\0\0\0"),
    "info_size_lies.bmp": bmp()[:14] + struct.pack("<I", 0x7FFFFFF0) + bmp()[18:],
    "offset_in_header.bmp": bmp(offset=20),
}
for name, data in files.items():
    open("malformed/" + name, "wb").write(data)
PY
