#!/usr/bin/env bash
# Makes the DVD image tests/data/iso/multifile.iso from the multifile title set
# (tests/data/vob/multifile/VIDEO_TS, made by make_fixtures.sh) with genisoimage 1.1.11.
# The image carries the time it was made, so a new run gives other bytes but the same files.
#   bash tests/data/make_images.sh
set -euo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
command -v genisoimage >/dev/null || { echo "missing tool: genisoimage" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# -dvd-video wants the title set in VIDEO_TS at the image's root; -no-pad drops the 300 KB of
# zeros a burner would want at the end.
mkdir -p "$work/disc"
cp -r "$root/tests/data/vob/multifile/VIDEO_TS" "$work/disc/"
genisoimage -quiet -dvd-video -no-pad -V MULTIFILE -o "$root/tests/data/iso/multifile.iso" "$work/disc"
ls -l "$root/tests/data/iso/multifile.iso"
