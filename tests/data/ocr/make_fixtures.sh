#!/usr/bin/env bash
# Makes the recognition fixtures: mono.srt rendered by spumux (FreeType, a monospace font at a
# generous size, so glyphs never touch or split), decoded back by spuunmux, and each decoded
# subpicture stored as an 8-bit BMP in the program's default display colours (transparent
# background -> colour 0 black, the glyph fill -> colour 3 white, the outline -> colour 2
# 0x686868, anything else -> colour 1 0xC8C8C8). Needs ffmpeg, dvdauthor, python3 and
# fonts-dejavu-core. The outputs are committed; CI does not run this.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
font=/usr/share/fonts/truetype/dejavu/DejaVuSansMono.ttf
export VIDEO_FORMAT=NTSC

ffmpeg -hide_banner -loglevel error -y -fflags +bitexact \
  -f lavfi -i "color=c=0x203048:s=352x240:r=30000/1001:d=12" \
  -c:v mpeg2video -q:v 16 -g 18 -flags:v +bitexact -pix_fmt yuv420p -aspect 4:3 \
  -f dvd -muxrate 10080k -packetsize 2048 "$work/movie.mpg"
cat >"$work/spumux.xml" <<XML
<subpictures format="NTSC">
  <stream>
    <textsub filename="$here/mono.srt" characterset="UTF-8" font="$font" fontsize="30"
      horizontal-alignment="center" vertical-alignment="bottom"
      left-margin="40" right-margin="40" top-margin="20" bottom-margin="30"
      subtitle-fps="29.97" movie-fps="29.97" movie-width="720" movie-height="480"/>
  </stream>
</subpictures>
XML
spumux -s 0 "$work/spumux.xml" <"$work/movie.mpg" >"$work/sub.mpg" 2>"$work/spumux.log" \
  || { cat "$work/spumux.log" >&2; exit 1; }
mkdir -p "$work/un"
spuunmux -o "$work/un/sub" "$work/sub.mpg" >/dev/null 2>&1
rm -f "$here"/mono_*.bmp
n=0
for png in "$work"/un/sub*.png; do
  ffmpeg -v error -y -i "$png" -f rawvideo -pix_fmt rgba "$work/raw"
  size=$(ffprobe -v error -select_streams v:0 -show_entries stream=width,height -of csv=p=0 "$png")
  python3 - "$work/raw" "$size" "$here/mono_$n.bmp" <<'PY'
import struct, sys
raw = open(sys.argv[1], "rb").read()
w, h = map(int, sys.argv[2].split(","))
px = [raw[i:i + 4] for i in range(0, len(raw), 4)]
# The outline is the opaque colour most often next to transparency, the fill the other one.
touch, count = {}, {}
for y in range(h):
    for x in range(w):
        p = px[y * w + x]
        if p[3] == 0:
            continue
        count[p] = count.get(p, 0) + 1
        near = [px[yy * w + xx] for yy, xx in ((y - 1, x), (y + 1, x), (y, x - 1), (y, x + 1))
                if 0 <= yy < h and 0 <= xx < w]
        if any(q[3] == 0 for q in near) or len(near) < 4:
            touch[p] = touch.get(p, 0) + 1
opaque = sorted(count, key=lambda p: touch.get(p, 0) / count[p])
roles = {}
for i, p in enumerate(opaque):
    roles[p] = 3 if i == 0 else 2 if i == 1 else 1
palette = [(0, 0, 0), (0xC8, 0xC8, 0xC8), (0x68, 0x68, 0x68), (0xFF, 0xFF, 0xFF)]
stride = (w + 3) // 4 * 4
rows = []
for y in range(h - 1, -1, -1):
    row = bytes(0 if px[y * w + x][3] == 0 else roles[px[y * w + x]] for x in range(w))
    rows.append(row + b"\0" * (stride - w))
pal = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
pixels = b"".join(rows)
off = 14 + 40 + len(pal)
hdr = b"BM" + struct.pack("<IHHI", off + len(pixels), 0, 0, off)
hdr += struct.pack("<IiiHHIIiiII", 40, w, h, 1, 8, 0, len(pixels), 2835, 2835, 4, 0)
open(sys.argv[3], "wb").write(hdr + pal + pixels)
PY
  n=$((n + 1))
done
echo "wrote $n subpictures"
