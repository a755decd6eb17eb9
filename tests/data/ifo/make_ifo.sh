#!/usr/bin/env bash
# Makes tests/data/ifo/onestream/: a dvdauthor title set with one French subtitle stream and
# twelve chapters, for the IFO reader. Only the IFO and BUP files are kept; the VOB is dropped.
# Run from anywhere; needs ffmpeg, spumux, dvdauthor and fonts-dejavu-core. CI does not run this.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
font=/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf
export VIDEO_FORMAT=NTSC
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

ffmpeg -hide_banner -loglevel error -y -fflags +bitexact \
  -f lavfi -i "color=c=0x203048:s=352x240:r=30000/1001:d=25" \
  -f lavfi -i "sine=frequency=440:sample_rate=48000:d=25" \
  -map 0:v -map 1:a -c:v mpeg2video -q:v 16 -g 18 -flags:v +bitexact -pix_fmt yuv420p \
  -aspect 4:3 -c:a mp2 -b:a 64k -ac 1 -flags:a +bitexact \
  -f dvd -muxrate 10080k -packetsize 2048 "$work/movie.mpg"

cat >"$work/fr.srt" <<'SRT'
1
00:00:01,000 --> 00:00:03,000
Bonjour

2
00:00:12,000 --> 00:00:14,000
Au revoir
SRT

cat >"$work/spumux.xml" <<XML
<subpictures format="NTSC">
  <stream>
    <textsub filename="$work/fr.srt" characterset="UTF-8" font="$font" fontsize="28"
      horizontal-alignment="center" vertical-alignment="bottom"
      subtitle-fps="29.97" movie-fps="29.97" movie-width="720" movie-height="480"/>
  </stream>
</subpictures>
XML
spumux -s 0 "$work/spumux.xml" <"$work/movie.mpg" >"$work/sub.mpg" 2>"$work/spumux.log" \
  || { cat "$work/spumux.log" >&2; exit 1; }

# Chapters 1 to 11 start a second or more apart, the twelfth runs to the end (about 11 s).
cat >"$work/dvd.xml" <<XML
<dvdauthor dest="$work/dvd">
  <vmgm />
  <titleset>
    <titles>
      <video format="ntsc" aspect="4:3" />
      <audio format="mp2" lang="fr" />
      <subpicture lang="fr" />
      <pgc>
        <vob file="$work/sub.mpg" chapters="0,0:01,0:02,0:03,0:04,0:05,0:06,0:07,0:08,0:10,0:12,0:14" />
      </pgc>
    </titles>
  </titleset>
</dvdauthor>
XML
dvdauthor -x "$work/dvd.xml" >"$work/dvdauthor.log" 2>&1 \
  || { cat "$work/dvdauthor.log" >&2; exit 1; }

rm -rf "$here/onestream"
mkdir -p "$here/onestream"
cp "$work"/dvd/VIDEO_TS/*.IFO "$work"/dvd/VIDEO_TS/*.BUP "$here/onestream/"

# Damaged copies of the basic set's IFO (two streams en, de; three chapters, cell table at
# 0x1110, PGC at 0x1010).
basic=$here/../vob/basic/VIDEO_TS/VTS_01_0.IFO
bad=$here/malformed
mkdir -p "$bad"
head -c 100 "$basic" >"$bad/short100.ifo"
# Stream count 40 at 0x255.
cp "$basic" "$bad/streams40.ifo"
printf '\x28' | dd of="$bad/streams40.ifo" bs=1 seek=$((0x255)) conv=notrunc status=none
# Cell table offset (PGC + 0xE8 = 0x10F8) 0xFF00: the table lies beyond the 12288-byte file.
cp "$basic" "$bad/cells_outside.ifo"
printf '\xff\x00' | dd of="$bad/cells_outside.ifo" bs=1 seek=$((0x10F8)) conv=notrunc status=none
# Cut inside the third cell entry (0x1140): two chapters can be read.
head -c $((0x1142)) "$basic" >"$bad/cut_in_cells.ifo"
# Cut at 0x1000: the streams are there, the program chain table is not.
head -c $((0x1000)) "$basic" >"$bad/no_pgc_table.ifo"
