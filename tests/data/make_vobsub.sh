#!/usr/bin/env bash
# Makes the VobSub pair tests/data/vobsub/basic.{idx,sub} from the title set tests/data/vob/basic
# (stream 0x20, English) as a user gets one: ffmpeg copies the subpicture stream into Matroska,
# mkvextract writes the pair. The copy is shifted by the title's first video frame (PTS 48003)
# so that its times count from the film's start, as a ripper's do; -copyts keeps them so.
# Needs ffmpeg and mkvextract (mkvtoolnix). The outputs are committed; CI does not run this.
set -euo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
out=$root/tests/data/vobsub
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for tool in ffmpeg mkvextract; do
  command -v "$tool" >/dev/null || { echo "missing tool: $tool" >&2; exit 1; }
done

mkdir -p "$out"
ffmpeg -hide_banner -loglevel error -y -fflags +bitexact -itsoffset -0.533367 \
  -i "$root/tests/data/vob/basic/VIDEO_TS/VTS_01_1.VOB" -copyts -map 0:s:0 -c copy \
  -metadata:s:s:0 language=eng -f matroska "$work/basic.mks"
mkvextract "$work/basic.mks" tracks 0:"$work/basic.sub" >/dev/null
cp "$work/basic.idx" "$work/basic.sub" "$out/"
