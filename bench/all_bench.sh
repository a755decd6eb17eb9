#!/usr/bin/env bash
# "all" in the main window (offscreen) over the film-sized title set of convert_bench.sh with its
# complete dictionary, against `quelm-cli extract` on the same files.
#
#   bash bench/all_bench.sh    (BUILD_DIR defaults to build-bench; run convert_bench.sh first)
set -euo pipefail
cd "$(dirname "$0")/.."

build=${BUILD_DIR:-build-bench}
work=${BENCH_DIR:-${TMPDIR:-/tmp}/quelm-convert-bench}
title="$work/VIDEO_TS"
if [ ! -f "$title/VTS_01_2.VOB" ] || [ ! -f "$work/dict/chardict.ocr" ]; then
  echo "all_bench: no title set or dictionary in $work: run bench/convert_bench.sh first" >&2
  exit 1
fi
if [ ! -x "$build/bin/all_bench" ] || [ ! -x "$build/bin/quelm-cli" ]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "$build" --target all_bench quelm-cli
fi
# Both runs read the files from the page cache.
cat "$title/VTS_01_1.VOB" "$title/VTS_01_2.VOB" >/dev/null
QT_QPA_PLATFORM=offscreen "$build/bin/all_bench" "$work/dict" "$build/bin/quelm-cli" \
  "$title/VTS_01_1.VOB" "$title/VTS_01_2.VOB"
