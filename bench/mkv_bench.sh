#!/usr/bin/env bash
# Subtitle packets found per second in a Matroska file of about 1 GB with a video track: the
# film-sized title set of bench_title.sh remuxed by ffmpeg (its two subpicture streams, and a
# video track of a DVD's bit rate), read by `quelm-cli extract` against ffprobe listing the same
# track's packets and against `cat` (the limit), in one run.
#
#   bash bench/mkv_bench.sh [MEGABYTES]    (default 1000; BUILD_DIR defaults to build-bench)
#
# The set's video packs are placeholders no demuxer takes for video, so the video track is made
# anew: raw grey frames of 160x160 at 25 frames a second, 640 KB/s as a DVD's MPEG-2 video has,
# for as long as the subtitles run, so that clusters and packets come as often as in a film.
set -euo pipefail
cd "$(dirname "$0")/.."

megabytes=${1:-1000}
build=${BUILD_DIR:-build-bench}
work=${BENCH_DIR:-${TMPDIR:-/tmp}/quelm-convert-bench}
out=${MKV_BENCH_DIR:-${TMPDIR:-/tmp}/quelm-mkv-bench}
runs=${RUNS:-3}

if [ ! -x "$build/bin/quelm-cli" ] || [ ! -x "$build/bin/make_bench_vob" ]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "$build" --target quelm-cli make_bench_vob
fi
for tool in ffmpeg ffprobe; do
  command -v $tool >/dev/null || { echo "mkv_bench: $tool is needed (apt-get install ffmpeg)" >&2; exit 1; }
done
cli="$build/bin/quelm-cli"
source bench/bench_title.sh

mkdir -p "$out"
mkv="$out/film.mkv"
if [ ! -f "$mkv" ] || [ "$mkv" -ot "${files[1]}" ]; then
  # The film runs as long as its last subtitle.
  seconds=$("$cli" extract "${files[@]}" | tail -1 | awk '{ split($4, t, ":"); print t[1] * 3600 + t[2] * 60 + t[3] + 2 }')
  # The placeholder video packs probe as broken MP3 audio; only a fatal error is worth a line.
  ffmpeg -hide_banner -loglevel fatal -y \
    -f lavfi -i "color=c=gray:size=160x160:rate=25:duration=$seconds" \
    -i "concat:${files[0]}|${files[1]}" \
    -map 0:v -map 1:s -c:v rawvideo -pix_fmt gray -c:s copy \
    -metadata:s:s:0 language=eng -metadata:s:s:1 language=ger -f matroska "$mkv"
fi
size=$(stat -c %s "$mkv")

source bench/best_of.sh
run_cat() { cat "$mkv" >/dev/null; }
run_quelm() { "$cli" extract "$mkv" >"$out/quelm.out" 2>"$out/quelm.err"; }
run_ffprobe() {
  ffprobe -v error -select_streams s:0 -show_packets "$mkv" >"$out/ffprobe.out" 2>"$out/ffprobe.err"
}

# Read once beforehand, so that every contender reads the file from the page cache.
cat "$mkv" >/dev/null
read -r r_cat c_cat <<<"$(best run_cat)"
read -r r_quelm c_quelm <<<"$(best run_quelm)"
read -r r_ffprobe c_ffprobe <<<"$(best run_ffprobe)"

subs_quelm=$(wc -l <"$out/quelm.out")
subs_ffprobe=$(grep -c '^\[PACKET\]' "$out/ffprobe.out" || true)

awk -v size="$size" -v runs="$runs" -v sq="$subs_quelm" -v sf="$subs_ffprobe" \
    -v rc="$r_cat" -v rq="$r_quelm" -v rf="$r_ffprobe" \
    -v cc="$c_cat" -v cq="$c_quelm" -v cf="$c_ffprobe" 'BEGIN {
  mb = size / 1048576
  printf "file: %.0f MB, video and two subtitle tracks; best of %d runs\n", mb, runs
  printf "subtitle packets of the first track: quelm-cli %d, ffprobe %d\n", sq, sf
  printf "  %-50s %8s %8s %10s %8s\n", "", "wall s", "MB/s", "packets/s", "cpu s"
  printf "  %-50s %8.3f %8.0f %10s %8.3f\n", "cat FILE > /dev/null", rc, mb / rc, "-", cc
  printf "  %-50s %8.3f %8.0f %10.0f %8.3f\n", "quelm-cli extract FILE", rq, mb / rq, sq / rq, cq
  printf "  %-50s %8.3f %8.0f %10.0f %8.3f\n", "ffprobe -select_streams s:0 -show_packets FILE", rf,
         mb / rf, sf / rf, cf
  printf "quelm-cli vs ffprobe: %5.2fx its packets per second (wall), %5.2fx (cpu)\n", rf / rq, cf / cq
  printf "quelm-cli vs cat:     %5.2f of its speed (wall), %5.2f (cpu)\n", rc / rq, cc / cq
}'
