#!/usr/bin/env bash
# Conversion of a film-sized title set (about 1 GB in two title VOBs, one subtitle a second:
# some 1,600 subtitles) with a complete dictionary, against the scan alone (`quelm-cli
# extract`) and ffprobe on the same files.
#
#   bash bench/convert_bench.sh [MEGABYTES]    (default 1000; BUILD_DIR defaults to build-bench)
set -euo pipefail
cd "$(dirname "$0")/.."

megabytes=${1:-1000}
build=${BUILD_DIR:-build-bench}
work=${BENCH_DIR:-${TMPDIR:-/tmp}/quelm-convert-bench}
runs=${RUNS:-3}

if [ ! -x "$build/bin/quelm-cli" ] || [ ! -x "$build/bin/make_bench_vob" ]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "$build" --target quelm-cli make_bench_vob
fi
command -v ffprobe >/dev/null || { echo "convert_bench: ffprobe is needed (apt-get install ffmpeg)" >&2; exit 1; }
cli="$build/bin/quelm-cli"

source bench/bench_title.sh
size=$(cat "${files[@]}" | wc -c)

entries=$(($(wc -l <"$work/dict/chardict.ocr") / 2))

source bench/best_of.sh
run_convert() {
  "$cli" convert --settings "$work/quelm.ini" --dict "$work/dict" --learn skip \
    --format outputini/timecodes.ini --out "$work/script.txt" "$title" 2>"$work/convert.err"
}
run_extract() { "$cli" extract "${files[@]}" >"$work/extract.out" 2>"$work/extract.err"; }
run_ffprobe() {
  ffprobe -v error -select_streams s:0 -show_frames "concat:${files[0]}|${files[1]}" \
    >"$work/ffprobe.out" 2>"$work/ffprobe.err"
}

cat "${files[@]}" >/dev/null
read -r r_extract c_extract <<<"$(best run_extract)"
read -r r_convert c_convert <<<"$(best run_convert)"
read -r r_ffprobe c_ffprobe <<<"$(best run_ffprobe)"

subs_extract=$(grep -vc '^#' "$work/extract.out" || true)
subs_script=$(grep -c '^\[' "$work/script.txt" || true)
subs_ffprobe=$(grep -c '^\[SUBTITLE\]' "$work/ffprobe.out" || true)
# Every subtitle of the script must be recognised: an unknown glyph would be dropped silently
# with --learn skip, so the dictionary must not have grown and no "<ERROR>" may appear.
entries_after=$(($(wc -l <"$work/dict/chardict.ocr") / 2))
errors=$(grep -c 'ERROR' "$work/script.txt" || true)

awk -v size="$size" -v runs="$runs" -v se="$subs_extract" -v ss="$subs_script" -v sf="$subs_ffprobe" \
    -v entries="$entries" -v after="$entries_after" -v errors="$errors" \
    -v re="$r_extract" -v rc="$r_convert" -v rf="$r_ffprobe" \
    -v ce="$c_extract" -v cc="$c_convert" -v cf="$c_ffprobe" 'BEGIN {
  mb = size / 1048576
  printf "title set: 2 VOBs, %.0f MB; best of %d runs; dictionary %d entries (%d after)\n", mb, runs, entries, after
  printf "subtitles: script %d, extract %d, ffprobe %d; <ERROR> references: %d\n", ss, se, sf, errors
  printf "  %-52s %8s %8s\n", "", "wall s", "cpu s"
  printf "  %-52s %8.3f %8.3f\n", "quelm-cli convert (read, recognise, render, write)", rc, cc
  printf "  %-52s %8.3f %8.3f\n", "quelm-cli extract (scan and decode only)", re, ce
  printf "  %-52s %8.3f %8.3f\n", "ffprobe -select_streams s:0 -show_frames", rf, cf
  printf "convert / extract: %5.2f (wall), %5.2f (cpu)    target <= 1.5\n", rc / re, cc / ce
  printf "convert / ffprobe: %5.2f (wall), %5.2f (cpu)\n", rc / rf, cc / cf
}'
