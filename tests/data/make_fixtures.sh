#!/usr/bin/env bash
# Makes the DVD title sets under tests/data/vob/ and demo/ with ffmpeg and dvdauthor, and the
# independent decodings the tests compare with (spuunmux PNG + XML, vobunits.py unit lists).
# Run from anywhere; needs ffmpeg, dvdauthor (spumux, spuunmux), python3 and fonts-dejavu-core;
# the sets drawn like commercial discs (sans, liberation, condensed, mono) also need python3-pil
# (Debian's, run by /usr/bin/python3), fonts-dejavu-extra and fonts-liberation2.
#   bash tests/data/make_fixtures.sh [basic] [multifile] [demo] [remux] [sans] ...   (no names: all)
# The outputs are committed; CI does not run this.
set -euo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
vobdata=$root/tests/data/vob
font=/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf
export VIDEO_FORMAT=NTSC
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

sets=("$@")
[ ${#sets[@]} -gt 0 ] || sets=(basic multifile demo remux sans liberation condensed mono)
wanted() { [[ " ${sets[*]} " == *" $1 "* ]]; }

for tool in ffmpeg spumux spuunmux dvdauthor python3; do
  command -v "$tool" >/dev/null || { echo "missing tool: $tool" >&2; exit 1; }
done
[ -f "$font" ] || { echo "missing font: $font (fonts-dejavu-core)" >&2; exit 1; }

# movie <out.mpg> <seconds> <ac3|mp2>: a still 352x240 NTSC picture with a tone, muxed as DVD.
movie() {
  local out=$1 seconds=$2 audio=$3 acodec
  case $audio in
    ac3) acodec=(-c:a ac3 -b:a 64k -ac 1) ;;
    mp2) acodec=(-c:a mp2 -b:a 64k -ac 1) ;;
  esac
  ffmpeg -hide_banner -loglevel error -y -fflags +bitexact \
    -f lavfi -i "color=c=0x203048:s=352x240:r=30000/1001:d=$seconds" \
    -f lavfi -i "sine=frequency=440:sample_rate=48000:d=$seconds" \
    -map 0:v -map 1:a -c:v mpeg2video -q:v 16 -g 18 -flags:v +bitexact -pix_fmt yuv420p \
    -aspect 4:3 "${acodec[@]}" -flags:a +bitexact \
    -f dvd -muxrate 10080k -packetsize 2048 "$out"
}

# subtitle <in.mpg> <out.mpg> <stream number> <srt> <font size>: renders the SRT with FreeType
# and muxes it as sub-stream 0x20 + number.
subtitle() {
  local in=$1 out=$2 stream=$3 srt=$4 size=$5
  cat >"$work/spumux.xml" <<XML
<subpictures format="NTSC">
  <stream>
    <textsub filename="$srt" characterset="UTF-8" font="$font" fontsize="$size"
      horizontal-alignment="center" vertical-alignment="bottom"
      left-margin="60" right-margin="60" top-margin="20" bottom-margin="30"
      subtitle-fps="29.97" movie-fps="29.97" movie-width="720" movie-height="480"/>
  </stream>
</subpictures>
XML
  spumux -s "$stream" "$work/spumux.xml" <"$in" >"$out" 2>"$work/spumux.log" \
    || { cat "$work/spumux.log" >&2; exit 1; }
}

# titleset <dir> <mpg> <audio> <lang0> <lang1> <chapters>: a VIDEO_TS with one title.
titleset() {
  local dir=$1 mpg=$2 audio=$3 lang0=$4 lang1=$5 chapters=$6
  cat >"$work/dvd.xml" <<XML
<dvdauthor dest="$dir">
  <vmgm />
  <titleset>
    <titles>
      <video format="ntsc" aspect="4:3" />
      <audio format="$audio" lang="$lang0" />
      <subpicture lang="$lang0" />
      <subpicture lang="$lang1" />
      <pgc>
        <vob file="$mpg" chapters="$chapters" />
      </pgc>
    </titles>
  </titleset>
</dvdauthor>
XML
  rm -rf "$dir"
  dvdauthor -x "$work/dvd.xml" >"$work/dvdauthor.log" 2>&1 \
    || { cat "$work/dvdauthor.log" >&2; exit 1; }
  rm -rf "$dir/AUDIO_TS"
}

# reference <set dir> <vob>...: spuunmux decodings and the unit lists of both sub-streams.
reference() {
  local set=$1; shift
  local n
  for n in 0 1; do
    rm -rf "$set/spuunmux/s$n"
    mkdir -p "$set/spuunmux/s$n"
    (cd "$set/spuunmux/s$n" && spuunmux -s "$n" -o sub "$@" >/dev/null 2>&1)
    python3 "$vobdata/vobunits.py" --stream "$n" "$@" >"$set/units_s$n.txt"
  done
}

# basic: one title, one VOB, AC-3 audio, English and German subtitles.
if wanted basic; then
movie "$work/basic.mpg" 25 ac3
subtitle "$work/basic.mpg" "$work/basic0.mpg" 0 "$vobdata/basic/en.srt" 28.0
subtitle "$work/basic0.mpg" "$work/basic1.mpg" 1 "$vobdata/basic/de.srt" 28.0
titleset "$vobdata/basic/VIDEO_TS.tmp" "$work/basic1.mpg" ac3 en de "0,0:10,0:20"
rm -rf "$vobdata/basic/VIDEO_TS"
mv "$vobdata/basic/VIDEO_TS.tmp/VIDEO_TS" "$vobdata/basic/VIDEO_TS"
rmdir "$vobdata/basic/VIDEO_TS.tmp"
reference "$vobdata/basic" "$vobdata/basic/VIDEO_TS/VTS_01_1.VOB"
fi

# multifile: MP2 audio, larger three-line subtitles carried in several packets each; the title
# VOB is cut into three files at pack boundaries that fall between two packets of one unit.
if wanted multifile; then
movie "$work/multi.mpg" 30 mp2
subtitle "$work/multi.mpg" "$work/multi0.mpg" 0 "$vobdata/multifile/en.srt" 40.0
subtitle "$work/multi0.mpg" "$work/multi1.mpg" 1 "$vobdata/multifile/fr.srt" 40.0
titleset "$work/multidvd" "$work/multi1.mpg" mp2 en fr "0,0:15"
whole=$work/multidvd/VIDEO_TS/VTS_01_1.VOB
size=$(stat -c %s "$whole")
# Cut 1: after the first packet of the multi-packet unit of stream 0 that starts nearest a third
# of the way in; cut 2: after the second packet of the one of stream 1 nearest two thirds.
nearest() {  # <stream> <target offset> <field to print>
  python3 "$vobdata/vobunits.py" --stream "$1" --multi-pack "$whole" | awk -v t="$2" -v f="$3" '
    { d = $1 - t; if (d < 0) d = -d; if (NR == 1 || d < best) { best = d; pick = $f } }
    END { print pick }'
}
cut1=$(nearest 0 $((size / 3)) 2)
cut2=$(nearest 1 $((size * 2 / 3)) 3)
rm -rf "$vobdata/multifile/VIDEO_TS"
mkdir -p "$vobdata/multifile/VIDEO_TS"
cp "$work/multidvd/VIDEO_TS/"*.IFO "$work/multidvd/VIDEO_TS/"*.BUP "$vobdata/multifile/VIDEO_TS/"
dd if="$whole" of="$vobdata/multifile/VIDEO_TS/VTS_01_1.VOB" bs=2048 count=$((cut1 / 2048)) status=none
dd if="$whole" of="$vobdata/multifile/VIDEO_TS/VTS_01_2.VOB" bs=2048 skip=$((cut1 / 2048)) \
  count=$(((cut2 - cut1) / 2048)) status=none
dd if="$whole" of="$vobdata/multifile/VIDEO_TS/VTS_01_3.VOB" bs=2048 skip=$((cut2 / 2048)) status=none
printf '# title VOB of %d bytes cut at these offsets (VTS_01_2 and VTS_01_3 start there)\n%d\n%d\n' \
  "$size" "$cut1" "$cut2" >"$vobdata/multifile/cuts.txt"
reference "$vobdata/multifile" "$vobdata/multifile/VIDEO_TS/VTS_01_1.VOB" \
  "$vobdata/multifile/VIDEO_TS/VTS_01_2.VOB" "$vobdata/multifile/VIDEO_TS/VTS_01_3.VOB"
fi

# demo: the title set the README's run command opens. Two-line subtitles keep descenders out
# of their first line, so that the lines stay apart and are read as two.
if wanted demo; then
movie "$work/demo.mpg" 38 ac3
subtitle "$work/demo.mpg" "$work/demo0.mpg" 0 "$vobdata/demo/en.srt" 30.0
subtitle "$work/demo0.mpg" "$work/demo1.mpg" 1 "$vobdata/demo/de.srt" 30.0
titleset "$work/demodvd" "$work/demo1.mpg" ac3 en de "0,0:12,0:24"
rm -rf "$root/demo/VIDEO_TS"
mkdir -p "$root/demo"
mv "$work/demodvd/VIDEO_TS" "$root/demo/VIDEO_TS"
reference "$vobdata/demo" "$root/demo/VIDEO_TS/VTS_01_1.VOB"
fi

# remux: part of the multifile title (video and both subtitle streams) copied by ffmpeg into a
# plain MPEG-2 program stream. ffmpeg puts a system header into every 40th pack, in front of
# whatever packet falls there, and ends short packets with a padding packet; the script fails
# unless a subtitle packet, one of them continuing a unit, lies behind such a header.
if wanted remux; then
multi=$vobdata/multifile/VIDEO_TS
rm -f "$vobdata/remux/remux.vob"
mkdir -p "$vobdata/remux"
ffmpeg -hide_banner -loglevel error -y -ss 5 \
  -i "concat:$multi/VTS_01_1.VOB|$multi/VTS_01_2.VOB|$multi/VTS_01_3.VOB" \
  -map 0:v -map 0:s -t 16 -c copy -fflags +bitexact -f vob "$vobdata/remux/remux.vob"
moved=$(python3 "$vobdata/vobunits.py" --stream 0 --moved "$vobdata/remux/remux.vob")
[[ "$moved" == *continuation* ]] \
  || { echo "remux: no continuation packet behind a system header" >&2; exit 1; }
reference "$vobdata/remux" "$vobdata/remux/remux.vob"
fi

# Sets drawn like commercial discs: subpictures.py draws each subtitle of the set's en.srt as a
# four-colour picture (anti-aliased fill, 5x5 outline, an edge colour on some sets) and spumux
# muxes the pictures into a still, silent title. One sub-stream, 0x20, English.
commercial() {
  local name=$1 seconds pics=$work/$1
  /usr/bin/python3 -c 'import PIL' 2>/dev/null \
    || { echo "missing: python3-pil for /usr/bin/python3" >&2; exit 1; }
  seconds=$(awk -F'[:, ]+' '/-->/ { t = $6 * 3600 + $7 * 60 + $8 } END { print int(t) + 2 }' \
    "$vobdata/$name/en.srt")
  /usr/bin/python3 "$vobdata/subpictures.py" "$name" "$vobdata/$name/en.srt" "$pics"
  ffmpeg -hide_banner -loglevel error -y -fflags +bitexact \
    -f lavfi -i "color=c=0x203048:s=352x240:r=30000/1001:d=$seconds" \
    -c:v mpeg2video -q:v 16 -g 18 -flags:v +bitexact -pix_fmt yuv420p -aspect 4:3 \
    -f dvd -muxrate 10080k -packetsize 2048 "$work/$name.mpg"
  spumux -s 0 "$pics/spumux.xml" <"$work/$name.mpg" >"$work/${name}0.mpg" 2>"$work/spumux.log" \
    || { cat "$work/spumux.log" >&2; exit 1; }
  cat >"$work/dvd.xml" <<XML
<dvdauthor dest="$work/${name}dvd">
  <vmgm />
  <titleset>
    <titles>
      <video format="ntsc" aspect="4:3" />
      <subpicture lang="en" />
      <pgc>
        <vob file="$work/${name}0.mpg" />
      </pgc>
    </titles>
  </titleset>
</dvdauthor>
XML
  rm -rf "$work/${name}dvd"
  dvdauthor -x "$work/dvd.xml" >"$work/dvdauthor.log" 2>&1 \
    || { cat "$work/dvdauthor.log" >&2; exit 1; }
  rm -rf "$vobdata/$name/VIDEO_TS"
  mv "$work/${name}dvd/VIDEO_TS" "$vobdata/$name/VIDEO_TS"
}
for name in sans liberation condensed mono; do
  if wanted "$name"; then commercial "$name"; fi
done

echo "fixtures written:"
du -sh "$vobdata" "$root/demo"
