#!/usr/bin/env bash
# Builds the libFuzzer targets (build-fuzz, clang-14) and runs each in turn for SECONDS
# (default 600). usage: bench/fuzz.sh [SECONDS] [TARGET...]
# Findings land in build-fuzz/fuzz-findings/<target>/, logs in build-fuzz/fuzz-logs/; a finding
# that is fixed is committed under tests/data/<kind>/malformed/ for the replay test.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-600}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(vob ifo bmp ini dictionary template records language idx image matroska pgs)
build=build-fuzz
# Scratch files on tmpfs: the atomic writers flush every file, which a disk makes slow.
[ -w /dev/shm ] && export TMPDIR=/dev/shm

declare -A maxlen=([vob]=40000 [ifo]=16384 [bmp]=65536 [ini]=16384 [dictionary]=32768
                   [template]=8192 [records]=16384 [language]=16384 [idx]=16384 [image]=262144
                   [matroska]=131072 [pgs]=65536)

if [ ! -f $build/CMakeCache.txt ]; then
  CC=clang-14 CXX=clang++-14 cmake -S . -B $build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DQUELM_FUZZ=ON -DQUELM_BUILD_GUI=OFF -DQUELM_BUILD_TESTS=OFF >/dev/null
fi
cmake --build $build -j2 --target $(printf 'fuzz_%s ' "${targets[@]}")
python3 fuzz/seeds/make_seeds.py . $build/fuzz-seeds

mkdir -p $build/fuzz-logs
summary=()
for t in "${targets[@]}"; do
  corpus=$build/fuzz-corpus/$t
  findings=$build/fuzz-findings/$t
  mkdir -p "$corpus" "$findings"
  # Earlier findings (committed or not) are replayed first as seeds.
  regressions=$(find tests/data -path '*/malformed/*' -type f -name "*.${t}fuzz" | head -1)
  extra=()
  [ -n "$regressions" ] && extra+=("$(dirname "$regressions")")
  log=$build/fuzz-logs/$t.log
  echo "== fuzz_$t for ${seconds}s (log $log)"
  status=0
  $build/bin/fuzz_$t "$corpus" $build/fuzz-seeds/$t "${extra[@]}" \
    -max_total_time="$seconds" -timeout=5 -rss_limit_mb=2048 -max_len="${maxlen[$t]}" \
    -print_final_stats=1 -artifact_prefix="$findings/" >"$log" 2>&1 || status=$?
  execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)
  line="fuzz_$t: ${execs:-?} executions, ${rate:-?} exec/s, exit $status"
  [ "$status" -eq 0 ] || line+=" FINDING: $(ls -t "$findings" | head -1)"
  echo "$line"
  summary+=("$line")
done
printf '%s\n' "== summary" "${summary[@]}"
