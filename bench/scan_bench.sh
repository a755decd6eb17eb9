#!/usr/bin/env bash
# Scan throughput of `quelm-cli extract` over a VOB of at least 500 MB that this script makes,
# against ffprobe demuxing and decoding the same subtitle stream, and against `cat` (the limit).
#
#   bash bench/scan_bench.sh [MEGABYTES]      (default 600; BUILD_DIR defaults to build-bench)
set -euo pipefail
cd "$(dirname "$0")/.."

megabytes=${1:-600}
build=${BUILD_DIR:-build-bench}
work=${BENCH_DIR:-${TMPDIR:-/tmp}/quelm-scan-bench}
runs=${RUNS:-3}

if [ ! -x "$build/bin/quelm-cli" ] || [ ! -x "$build/bin/make_bench_vob" ]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "$build" --target quelm-cli make_bench_vob
fi
command -v ffprobe >/dev/null || { echo "scan_bench: ffprobe is needed (apt-get install ffmpeg)" >&2; exit 1; }

mkdir -p "$work"
vob="$work/bench.vob"
if [ ! -f "$vob" ] || [ "$(stat -c %s "$vob")" -lt $((megabytes * 1024 * 1024)) ]; then
  "$build/bin/make_bench_vob" "$vob" "$megabytes"
fi
size=$(stat -c %s "$vob")

source bench/best_of.sh
run_cat() { cat "$vob" >/dev/null 2>"$work/cat.err"; }
run_quelm() { "$build/bin/quelm-cli" extract "$vob" >"$work/quelm.out" 2>"$work/quelm.err"; }
run_ffprobe() {
  ffprobe -v error -select_streams s:0 -show_frames "$vob" >"$work/ffprobe.out" 2>"$work/ffprobe.err"
}

# Read once beforehand, so that every contender reads the file from the page cache.
cat "$vob" >/dev/null
read -r r_cat c_cat <<<"$(best run_cat)"
read -r r_quelm c_quelm <<<"$(best run_quelm)"
read -r r_ffprobe c_ffprobe <<<"$(best run_ffprobe)"

subs_quelm=$(wc -l <"$work/quelm.out")
subs_ffprobe=$(grep -c '^\[SUBTITLE\]' "$work/ffprobe.out" || true)

awk -v size="$size" -v runs="$runs" -v sq="$subs_quelm" -v sf="$subs_ffprobe" \
    -v rc="$r_cat" -v rq="$r_quelm" -v rf="$r_ffprobe" \
    -v cc="$c_cat" -v cq="$c_quelm" -v cf="$c_ffprobe" 'BEGIN {
  mb = size / 1048576
  printf "file: %.0f MB; best of %d runs; subtitles found: quelm-cli %d, ffprobe %d\n", mb, runs, sq, sf
  printf "  %-46s %8s %10s %8s\n", "", "wall s", "MB/s", "cpu s"
  printf "  %-46s %8.3f %10.0f %8.3f\n", "cat FILE > /dev/null", rc, mb / rc, cc
  printf "  %-46s %8.3f %10.0f %8.3f\n", "quelm-cli extract FILE", rq, mb / rq, cq
  printf "  %-46s %8.3f %10.0f %8.3f\n", "ffprobe -select_streams s:0 -show_frames FILE", rf, mb / rf, cf
  printf "quelm-cli vs ffprobe: %5.1fx faster (wall), %5.1fx (cpu)      target >= 3\n", rf / rq, cf / cq
  printf "quelm-cli vs cat:     %5.2f of its speed (wall), %5.2f (cpu)  target >= 0.5\n", rc / rq, cc / cq
}'
