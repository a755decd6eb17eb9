#!/usr/bin/env bash
# Installs what Quelm needs, builds it and starts it on the bundled demo title set with a
# settings file of its own, so the user's own quelm.ini stays untouched.
set -euo pipefail
cd "$(dirname "$0")/.."
root="$(pwd)"
bash scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)" --target quelm

demo="$root/demo/VIDEO_TS/"
settings_dir="$root/build/demo-settings"
settings="$settings_dir/quelm.ini"
mkdir -p "$settings_dir"
# The title's VOB files in order, whatever case the disc wrote their names in.
mapfile -t vobs < <(find "$demo" -maxdepth 1 -type f -iname 'vts_01_[1-9]*.vob' | LC_ALL=C sort -f)
if [ "${#vobs[@]}" -eq 0 ]; then
  echo "run-demo: no title VOB files in $demo" >&2
  exit 1
fi
# Kept between runs (it holds what the user changed in the demo) unless it names another tree.
if ! grep -qxF "vobroot=$demo" "$settings" 2>/dev/null; then
{
  echo "[preferences]"
  echo "vobroot=$demo"
  echo "outputroot=$settings_dir/"
  echo "dictionaryroot=$settings_dir/"
  # The demo's letters stand up to 11 pixels apart (before "!"), its words 14 or more.
  echo "spacewidth=12"
  echo "[vobfilelist]"
  for i in "${!vobs[@]}"; do
    echo "$i=\"${vobs[$i]}\""
  done
} >"$settings"
fi

echo "Starting Quelm with $settings"
exec "$root/build/bin/quelm" --settings "$settings" "$@"
