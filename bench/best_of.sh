# Sourced by the benchmark scripts. best COMMAND...: best of $runs runs of COMMAND, printed as
# "wall cpu" in seconds (cpu = user + system). Wall and CPU minima are taken separately; on a
# busy machine the CPU figures are the steadier ones.
best() {
  local best_real="" best_cpu="" line real user sys cpu
  for _ in $(seq "$runs"); do
    line=$( { TIMEFORMAT='%R %U %S'; time "$@"; } 2>&1 )
    read -r real user sys <<<"$line"
    cpu=$(awk -v u="$user" -v s="$sys" 'BEGIN { print u + s }')
    if [ -z "$best_real" ] || awk -v a="$real" -v b="$best_real" 'BEGIN { exit !(a < b) }'; then
      best_real=$real
    fi
    if [ -z "$best_cpu" ] || awk -v a="$cpu" -v b="$best_cpu" 'BEGIN { exit !(a < b) }'; then
      best_cpu=$cpu
    fi
  done
  echo "$best_real $best_cpu"
}
