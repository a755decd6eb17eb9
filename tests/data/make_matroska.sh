#!/usr/bin/env bash
# Makes the Matroska copies of the multifile title set (tests/data/vob/multifile, the title of
# tests/data/iso/multifile.iso) and its English stream as a VobSub pair, as users get them:
#   tests/data/matroska/multifile.mks       ffmpeg: both subpicture streams (eng, fre with a
#                                           title), blocks as they are
#   tests/data/matroska/multifile-zlib.mks  the same through mkvmerge, which zlib-compresses
#                                           VobSub blocks (content encoding)
#   tests/data/vobsub/multifile.{idx,sub}   mkvextract of the English track
# The copy is shifted by the title's first video frame (PTS 48003) so that its times count from
# the film's start, as a ripper's do; -copyts keeps them so. Needs ffmpeg and mkvtoolnix. The
# outputs are committed; CI does not run this.
set -euo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
title=$root/tests/data/vob/multifile/VIDEO_TS
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for tool in ffmpeg mkvmerge mkvextract; do
  command -v "$tool" >/dev/null || { echo "missing tool: $tool" >&2; exit 1; }
done

mkdir -p "$root/tests/data/matroska" "$root/tests/data/vobsub"
ffmpeg -hide_banner -loglevel error -y -fflags +bitexact -itsoffset -0.533367 \
  -i "concat:$title/VTS_01_1.VOB|$title/VTS_01_2.VOB|$title/VTS_01_3.VOB" -copyts \
  -map 0:s -c copy -metadata:s:s:0 language=eng -metadata:s:s:1 language=fre \
  -metadata:s:s:1 title=Sous-titres -f matroska "$root/tests/data/matroska/multifile.mks"
mkvmerge -q -o "$root/tests/data/matroska/multifile-zlib.mks" "$root/tests/data/matroska/multifile.mks"
mkvextract "$root/tests/data/matroska/multifile.mks" tracks 0:"$work/multifile.sub" >/dev/null
cp "$work/multifile.idx" "$work/multifile.sub" "$root/tests/data/vobsub/"
ls -l "$root/tests/data/matroska" "$root/tests/data/vobsub"/multifile.*
