#!/usr/bin/env bash
# Learning from nothing with the OCR engine's suggestions: the film-sized title set of
# convert_bench.sh converted with --learn auto from an empty dictionary, then again with the
# dictionary that run left (it should need the engine no more), against the conversion with a
# complete dictionary taught beforehand.
#
#   bash bench/learn_bench.sh [MEGABYTES]    (default 1000; BUILD_DIR defaults to build-bench)
set -euo pipefail
cd "$(dirname "$0")/.."

megabytes=${1:-1000}
build=${BUILD_DIR:-build-bench}
work=${BENCH_DIR:-${TMPDIR:-/tmp}/quelm-convert-bench}

if [ ! -x "$build/bin/quelm-cli" ] || [ ! -x "$build/bin/make_bench_vob" ]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "$build" --target quelm-cli make_bench_vob
fi
cli="$build/bin/quelm-cli"
source bench/bench_title.sh


# One timed conversion: "wall cpu" on stdout, the run's own report in $work/NAME.err.
timed() {
  local name=$1
  shift
  local line real user sys
  line=$( { TIMEFORMAT='%R %U %S'; time "$cli" convert --settings "$work/quelm.ini" "$@" \
    --format outputini/timecodes.ini --out "$work/$name.txt" "$title" \
    </dev/null 2>"$work/$name.err"; } 2>&1 )
  read -r real user sys <<<"$line"
  echo "$real $(awk -v u="$user" -v s="$sys" 'BEGIN { print u + s }')"
}
calls() { grep -o '[0-9]* engine call' "$work/$1.err" | grep -o '^[0-9]*' || echo 0; }

cat "${files[@]}" >/dev/null
rm -rf "$work/dict-auto"
read -r r_first c_first <<<"$(timed first --learn auto --dict "$work/dict-auto")"
read -r r_again c_again <<<"$(timed again --learn auto --dict "$work/dict-auto")"
read -r r_known c_known <<<"$(timed known --learn skip --dict "$work/dict")"

# Counted in the script of the complete dictionary: shapes named by guesses may begin a line with "[".
subtitles=$(grep -c '^\[' "$work/known.txt" || true)
entries=$(($(wc -l <"$work/dict-auto/chardict.ocr") / 2))
unconfirmed=$(wc -l <"$work/dict-auto/chardict.unconfirmed" 2>/dev/null || echo 0)
awk -v subs="$subtitles" -v entries="$entries" -v unconf="$unconfirmed" \
    -v f1="$(calls first)" -v f2="$(calls again)" \
    -v rf="$r_first" -v cf="$c_first" -v ra="$r_again" -v ca="$c_again" \
    -v rk="$r_known" -v ck="$c_known" 'BEGIN {
  printf "subtitles %d; entries learned %d (%d unconfirmed)\n", subs, entries, unconf
  printf "  %-50s %8s %8s %8s\n", "", "wall s", "cpu s", "engine"
  printf "  %-50s %8.3f %8.3f %8d\n", "--learn auto, empty dictionary", rf, cf, f1
  printf "  %-50s %8.3f %8.3f %8d\n", "--learn auto, the dictionary it left", ra, ca, f2
  printf "  %-50s %8.3f %8.3f %8s\n", "--learn skip, complete dictionary", rk, ck, "-"
  printf "engine share of the first run (its time above the second run): %.0f %% of wall\n", 100 * (rf - ra) / rf
  printf "target: first run <= 60 s wall; second run: 0 engine calls\n"
}'
